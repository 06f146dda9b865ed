#!/usr/bin/env bash
# Builds the libFuzzer target (preset fuzz: clang, AddressSanitizer and UBSan)
# and fuzzes the parameter boxes and the redraw for the given number of
# seconds (60 by default), starting from a copy of fuzz/corpus in a temporary
# folder, so the repository is never written. Exits non-zero when the fuzzer
# finds a crash; its input and the whole log are then kept in that folder.
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

work=$(mktemp -d "${TMPDIR:-/tmp}/amsim-fuzz.XXXXXX")
cp -r fuzz/corpus "$work/corpus"

status=0
QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=print_stacktrace=1 \
    build/fuzz/fuzz/amsim_parameter_fuzzer \
    -max_total_time="$seconds" -timeout=60 -print_final_stats=1 \
    -dict=fuzz/boxes.dict -artifact_prefix="$work/" \
    "$work/corpus" </dev/null >"$work/fuzz.log" 2>&1 || status=$?

if ((status != 0)); then
    tail -n 60 "$work/fuzz.log"
    echo "El fuzzer encontró un fallo (código $status): el registro y la entrada quedan en $work" >&2
    exit "$status"
fi
grep -E '^#[0-9]+[[:space:]]+DONE|^stat::' "$work/fuzz.log"
rm -rf "$work"
