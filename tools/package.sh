#!/usr/bin/env bash
# Builds the Debian package of amsim in build/pkg and prints the path of the
# .deb. Installs first whatever is missing to build and check it (the set-up
# script includes dpkg-shlibdeps, lintian and the metadata validators).
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh

# The package holds the program alone: no tests or benchmarks are built.
cmake -S . -B build/pkg -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DAMSIM_BUILD_TESTS=OFF -DAMSIM_BUILD_BENCHMARKS=OFF >&2
cmake --build build/pkg -j2 >&2
rm -f build/pkg/amsim_*.deb
(cd build/pkg && cpack -G DEB >&2)
realpath build/pkg/amsim_*.deb
