#!/usr/bin/env bash
# Builds the libFuzzer targets (preset fuzz: clang, AddressSanitizer and UBSan)
# and runs the four at once for the given number of seconds (60 by default):
#   amsim_parameter_fuzzer  the boxes' rules and the readout, without drawing;
#   amsim_redraw_fuzzer     the same through the window's handlers and the redraw;
#   amsim_number_fuzzer     the plain number rules against Qt's conversions;
#   amsim_clipping_fuzzer   clipped lines against whole lines, cropped.
# Each starts from a copy of its seed corpus (fuzz/corpus/<name>; the two of
# the boxes share theirs) in a temporary folder, so the repository is never
# written. The three that read box texts also get the dictionary of their
# pieces (fuzz/boxes.dict); the clipping fuzzer reads raw floats, on which
# such words are wasted. Every sanitizer report stops its fuzzer (the build
# does not recover from one). Exits non-zero when a fuzzer finds a fault; its
# input and the whole log are then kept in that folder.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
if [[ ! $seconds =~ ^[1-9][0-9]*$ ]]; then
    echo "Uso: tools/fuzz.sh [segundos]" >&2
    exit 2
fi

if [[ ! -f build/fuzz/CMakeCache.txt ]]; then
    cmake --preset fuzz >/dev/null
fi
cmake --build --preset fuzz

# fuzz TARGET CORPUS [libFuzzer options…]
fuzz() {
    local target=$1 corpus=$2
    shift 2
    local work
    work=$(mktemp -d "${TMPDIR:-/tmp}/amsim-fuzz.XXXXXX")
    cp -r "fuzz/corpus/$corpus" "$work/corpus"
    local status=0
    QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=print_stacktrace=1 \
        "build/fuzz/fuzz/$target" \
        -max_total_time="$seconds" -timeout=60 -print_final_stats=1 \
        "$@" -artifact_prefix="$work/" \
        "$work/corpus" </dev/null >"$work/fuzz.log" 2>&1 || status=$?
    if ((status != 0)); then
        tail -n 60 "$work/fuzz.log"
        echo "$target encontró un fallo (código $status): el registro y la entrada quedan en $work" >&2
        exit "$status"
    fi
    echo "$target:"
    grep -E '^#[0-9]+[[:space:]]+DONE|^stat::' "$work/fuzz.log"
    rm -rf "$work"
}

# Each prints its lines when it ends.
pids=()
fuzz amsim_parameter_fuzzer parameters -dict=fuzz/boxes.dict &
pids+=($!)
fuzz amsim_redraw_fuzzer parameters -dict=fuzz/boxes.dict &
pids+=($!)
fuzz amsim_number_fuzzer numbers -dict=fuzz/boxes.dict &
pids+=($!)
fuzz amsim_clipping_fuzzer clipping &
pids+=($!)
failed=0
for pid in "${pids[@]}"; do
    wait "$pid" || failed=$?
done
exit "$failed"
