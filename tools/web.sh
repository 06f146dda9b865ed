#!/usr/bin/env bash
# Installs what is missing, then builds the browser page: build/web/amsim.html,
# one self-contained file (engine, page and pictures inside) that opens from
# disk in any current browser with no server and no network. Prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
cmake --preset web >/dev/null
cmake --build --preset web
realpath build/web/amsim.html
