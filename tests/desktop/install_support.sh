# Shared by the install and package tests; sourced, not run.
# Exit status of the tests: 0 passed, 1 failed, 77 skipped because the machine lacks a tool.

readonly SKIPPED=77
# The installed program may be this big at most: its debug information stays behind.
readonly LARGEST_PROGRAM_BYTES=$((1024 * 1024))

skip() {
    echo "$test_name: SKIPPED: $*" >&2
    exit "$SKIPPED"
}
fail() {
    echo "$test_name: FAILED: $*" >&2
    failures=$((failures + 1))
}
failures=0

# As root, installs the Debian packages that hold the missing tools (named package:tool);
# skips with the reason when a tool is still missing.
need_tools() {
    local pair missing_tools=() missing_packages=()
    for pair in "$@"; do
        command -v "${pair#*:}" >/dev/null || missing_packages+=("${pair%%:*}")
    done
    if [ ${#missing_packages[@]} -gt 0 ] && [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null
    then
        echo "$test_name: installing ${missing_packages[*]}"
        local install=(apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=300)
        local attempt
        # Other tests may be installing at the same time: a held package list is tried again.
        for attempt in 1 2 3; do
            DEBIAN_FRONTEND=noninteractive "${install[@]}" "${missing_packages[@]}" \
                >/dev/null 2>&1 && break
            apt-get update -qq >/dev/null 2>&1 &&
                DEBIAN_FRONTEND=noninteractive "${install[@]}" "${missing_packages[@]}" \
                    >/dev/null 2>&1 && break
            [ "$attempt" -lt 3 ] && sleep 10
        done || echo "$test_name: could not install ${missing_packages[*]}"
    fi
    for pair in "$@"; do
        command -v "${pair#*:}" >/dev/null || missing_tools+=("${pair#*:}")
    done
    [ ${#missing_tools[@]} -eq 0 ] ||
        skip "missing ${missing_tools[*]}; run as root to install them, or install the" \
            "Debian packages that hold them"
}

# Every path the install must put under its prefix, one a line: the program and the command
# that starts it, every file of the data folders, the desktop entry, the icons, the metadata
# and the licence. Arguments: source folder, application id, icon sizes, data folders.
expected_paths() {
    local source=$1 app_id=$2 sizes=$3 folder size
    shift 3
    echo "bin/lexabit-solitaire"
    echo "lib/lexabit-solitaire/lexabit-solitaire"
    for folder in "$@"; do
        echo "lib/lexabit-solitaire/$folder"
        (cd "$source/data" && find "$folder" -type f ! -name .keep) | sed 's|^|lib/lexabit-solitaire/|'
    done
    echo "share/applications/$app_id.desktop"
    echo "share/metainfo/$app_id.metainfo.xml"
    echo "share/icons/hicolor/scalable/apps/$app_id.svg"
    for size in $sizes; do
        echo "share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    done
    echo "share/doc/lexabit-solitaire/COPYING"
}

finish() {
    if [ "$failures" -gt 0 ]; then
        echo "$test_name: $failures check(s) failed" >&2
        exit 1
    fi
    echo "$test_name: passed"
}
