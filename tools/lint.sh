#!/usr/bin/env bash
# Static analysis of the program, its tests, benchmarks and fuzzers, and of the
# browser page's bridge: clang-tidy with the checks of .clang-tidy, and
# cppcheck. Either finding anything fails. Uses the ci and web builds'
# compile commands (bash tools/test.sh makes them).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset ci >/dev/null
cmake --build --preset ci >/dev/null

git ls-files -z 'src/*.cpp' 'tests/*.cpp' 'bench/*.cpp' |
    xargs -0 -n 4 -P "$(nproc)" clang-tidy -p build/ci --quiet 2>/dev/null

# The bridge is WebAssembly: clang-tidy reads it for that target, with the
# system headers of emscripten's sysroot and the compatibility headers emcc
# adds to them (xlocale.h, which <iostream> reaches).
cmake --preset web >/dev/null
git ls-files -z 'web/bridge/*.cpp' |
    xargs -0 clang-tidy -p build/web --quiet --extra-arg=--target=wasm32-unknown-emscripten \
        --extra-arg=--sysroot=/usr/share/emscripten/cache/sysroot --extra-arg=-D__EMSCRIPTEN__ \
        --extra-arg=-isystem/usr/share/emscripten/cache/sysroot/include/compat \
        2>/dev/null

# The fuzzers build with clang alone: clang-tidy reads them with the fuzz
# build's compile commands (tools/fuzz.sh makes them).
git ls-files -z 'fuzz/*.cpp' | xargs -0 clang-tidy -p build/fuzz --quiet 2>/dev/null

# Benchmark callbacks take a non-const state by the library's contract;
# cppcheck takes the members of test tables filled by aggregate
# initialisation for unused.
cppcheck --std=c++20 --library=qt --library=googletest --enable=warning,performance,portability,style \
    --inline-suppr --error-exitcode=1 --quiet \
    --suppress=missingIncludeSystem --suppress=constParameterCallback \
    --suppress='unusedStructMember:tests/*' \
    -I src -I tests -I . src tests bench fuzz web/bridge
echo "Static analysis: clean."
