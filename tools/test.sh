#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs
# the whole test suite without a display (the Debian package's check
# included); then runs it again built with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs each of the four fuzzers for half a minute
# (at once) and runs the static analysis. The engine (core, signals, canvas,
# display, params and flows) is also built on its own, in a build that never
# looks for Qt, so that it stays free of Qt. The browser page is built to WebAssembly, linted, and
# driven in headless Chromium, its pictures compared with the window's.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh

cmake --preset ci >/dev/null
cmake --build --preset ci
QT_QPA_PLATFORM=offscreen ctest --preset ci

cmake --preset web >/dev/null
cmake --build --preset web
npm --prefix web run --silent lint
AMSIM_EXECUTABLE="$PWD/build/ci/src/cli/amsim" npm --prefix web test

cmake --preset engine >/dev/null
cmake --build --preset engine

cmake --preset asan >/dev/null
cmake --build --preset asan
QT_QPA_PLATFORM=offscreen ctest --preset asan

bash tools/fuzz.sh 30
bash tools/lint.sh
