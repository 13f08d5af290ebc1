#!/usr/bin/env bash
# Synthesises the game's five sound effects with sox into data/sounds/ (or the folder given):
#   turn.wav      a crisp snap: a card laid onto another card, and each swap of the shuffle
#   Draw.wav      a soft swish: a card slid out of the pack, or back into the word
#   stack.wav     three quick taps of cards settling on a pile
#   shuffle.wav   the flutter of a riffled pack
#   applause.wav  a short round of applause
# Mono, 16-bit PCM, 44.1 kHz; soft attacks and decays, peaks well below full scale.
# Every run writes the same files: sox runs in repeatable mode and the claps use a fixed seed.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-"$here/../data/sounds"}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rate=44100
# Synthesis runs at the final rate, so nothing is resampled.
null=(-r "$rate" -c 1 -n)
# Parts stay in floating point until the end, so mixing and filtering lose nothing.
part=(-r "$rate" -c 1 -b 32 -e floating-point)
final=(-r "$rate" -c 1 -b 16 -e signed-integer)

synth_part() { # file, then the effects that make it
    local file=$1
    shift
    sox -R "${null[@]}" "${part[@]}" "$file" "$@"
}

seconds() { # milliseconds as sox's seconds
    printf '%d.%03d' $(($1 / 1000)) $(($1 % 1000))
}

# A card laid down: a short bright noise snap over a low knock, gone in a tenth of a second.
synth_part "$work/snap.wav" synth 0.035 whitenoise band 3000 2000 fade l 0.001 0.035 0.033
synth_part "$work/knock.wav" synth 0.09 sine 180 fade l 0.002 0.09 0.085
sox -R -m -v 1 "$work/snap.wav" -v 0.35 "$work/knock.wav" "${final[@]}" "$out/turn.wav" \
    highpass 80 gain -n -6

# A card sliding: a swish of filtered noise that swells and fades within a twentieth of a
# second. A card dealt onto a column waits for this sound to end, so its length is part
# of every deal; the swell comes early so the short sound still reads as a slide.
synth_part "$work/swish.wav" synth 0.05 pinknoise band 1400 900 fade h 0.012 0.05 0.034
synth_part "$work/hiss.wav" synth 0.05 pinknoise band 3200 1500 fade h 0.02 0.05 0.026
sox -R -m -v 1 "$work/swish.wav" -v 0.4 "$work/hiss.wav" "${final[@]}" "$out/Draw.wav" \
    gain -n -7

# Cards settling on a pile: three soft taps, each a little lower than the one before.
taps=()
for body in 260 220 185; do
    synth_part "$work/tap-noise.wav" synth 0.06 brownnoise lowpass 2000 fade l 0.001 0.06 0.055
    synth_part "$work/tap-body.wav" synth 0.06 sine "$body" fade l 0.002 0.06 0.055
    sox -R -m -v 1 "$work/tap-noise.wav" -v 0.5 "$work/tap-body.wav" "${part[@]}" \
        "$work/tap$body.wav" pad 0 0.05
    taps+=("$work/tap$body.wav")
done
sox -R "${taps[@]}" "${final[@]}" "$out/stack.wav" gain -n -7

# A riffle: noise fluttering about forty times a second, swelling and falling away.
sox -R "${null[@]}" "${final[@]}" "$out/shuffle.wav" \
    synth 0.42 pinknoise tremolo 42 95 band 2200 1800 fade q 0.06 0.42 0.2 gain -n -7

# Applause: many short claps of different pitch and strength, thickest in the middle.
RANDOM=2024
claps=()
for c in $(seq 1 110); do
    # Two draws averaged put more claps in the middle of the round.
    start_ms=$(((RANDOM % 2300 + RANDOM % 2300) / 2))
    centre=$((900 + RANDOM % 1700))
    quieter=$((3 + RANDOM % 9))
    synth_part "$work/clap$c.wav" synth 0.03 whitenoise band "$centre" 700 \
        fade l 0.001 0.03 0.028 gain -n "-$quieter" pad "$(seconds "$start_ms")" 0
    claps+=("$work/clap$c.wav")
done
# A silent track sets the round's length, with room for the last claps to ring out.
synth_part "$work/round.wav" trim 0 2.6
sox -R -m "$work/round.wav" "${claps[@]}" "${part[@]}" "$work/claps.wav"
sox -R "$work/claps.wav" "${final[@]}" "$out/applause.wav" \
    highpass 250 lowpass 7500 reverb 25 50 35 fade h 0.2 2.6 0.9 gain -n -4

for name in turn Draw stack shuffle applause; do
    printf '%-9s %s s\n' "$name" "$(soxi -D "$out/$name.wav")"
done
