#!/usr/bin/env bash
# Installs what is missing, builds the simulator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target amsim
exec ./build/release/src/cli/amsim "$@"
