#!/usr/bin/env bash
# Plays each of the game's sounds through its own speaker output into a private sound server
# whose only output is a null sink, records that sink, and checks that each sound was heard
# whole. Exit status 0 passed, 1 failed, 77 skipped (a missing tool when not root).
set -uo pipefail
player=${1:?usage: speakers_heard.sh PLAYER SOUND_FOLDER} sounds=${2:?}
tools="pulseaudio pactl pacat parec python3"
missing=$(for tool in $tools; do command -v $tool >/dev/null || echo $tool; done)
if [ -n "$missing" ]; then # scripts/prepare.sh installs them: as root, they must be there
    echo "missing" $missing >&2 && [ "$(id -u)" -ne 0 ] && exit 77 || exit 1
fi
work=$(mktemp -d)
export HOME=$work XDG_RUNTIME_DIR=$work PULSE_RUNTIME_PATH=$work/pulse
export PULSE_SERVER=unix:$PULSE_RUNTIME_PATH/native
# The sink and the recording share one format: a mismatch would drop short sounds.
format=(--format=s16le --channels=1 --rate=44100)
pulseaudio -n --daemonize=no --exit-idle-time=-1 --system=false \
    --load="module-null-sink sink_name=heard rate=44100 channels=1 format=s16le" \
    --load="module-native-protocol-unix auth-anonymous=1" >"$work/server.log" 2>&1 &
server=$! silence= recorder=
trap 'kill $recorder $silence $server 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do pactl set-default-sink heard 2>/dev/null && break; sleep 0.05; done
# A null sink without streams works up to two seconds ahead, and the first stream waits for
# that: a stream of silence bears that wait and then keeps the sink in step throughout.
pacat --latency-msec=20 --raw "${format[@]}" </dev/zero & silence=$! && sleep 2
parec -d heard.monitor --latency-msec=20 --raw "${format[@]}" >"$work/heard.raw" & recorder=$!
"$player" "$sounds" >"$work/played.txt" || { echo "FAILED: the player stopped" >&2; exit 1; }
sleep 0.3 && kill $recorder

# One burst must be heard per sound, in the order played, as long as the loud part of its file.
python3 - "$work/heard.raw" "$sounds" $(cat "$work/played.txt") <<'PY'
import array, sys, wave
WINDOW, LOUD, PAUSE = 441, 200, 30  # 10 ms windows; a burst ends after 300 ms of quiet

def bursts(samples):  # each burst's length in ms, from its first to its last loud window
    found = []
    for w in range(len(samples) // WINDOW + 1):
        if max(map(abs, samples[w * WINDOW:(w + 1) * WINDOW]), default=0) > LOUD:
            if found and w - found[-1][1] <= PAUSE: found[-1][1] = w
            else: found.append([w, w])
    return [(last - first + 1) * 10 for first, last in found]

def samples_of(data): return array.array('h', data[:len(data) // 2 * 2])
def frames(name): return wave.open(f"{sys.argv[2]}/{name}").readframes(10**7)

heard = bursts(samples_of(open(sys.argv[1], 'rb').read()))
played = [length for name in sys.argv[3:] for length in bursts(samples_of(frames(name)))]
print("played (ms):", *zip(sys.argv[3:], played), "\nheard (ms):", *heard)
sys.exit(0 if played and len(heard) == len(played) and
         all(abs(h - p) <= 30 for h, p in zip(heard, played)) else 1)
PY
