#!/usr/bin/env bash
# Times the browser page against the window on this machine, in one run: a
# redraw in the page against the window's redraw and its engine alone, the
# first picture after the page's load, the file's size. Prints the figures,
# and fails when a redraw in the page costs more than twice the engine's.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/web.sh >/dev/null
cmake --preset release >/dev/null
cmake --build --preset release --target amsim_bench >/dev/null
node web/bench/page-bench.mjs "$PWD/build/release/bench/amsim_bench" "${1:-5}"
