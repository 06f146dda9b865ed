#!/usr/bin/env bash
# Builds the Debian package of amsim in build/pkg and prints the path of the
# .deb. Installs first whatever is missing to build and check it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh

# dpkg-shlibdeps (dpkg-dev) and file work out the library dependencies;
# lintian, appstreamcli and desktop-file-validate check the result.
tools=(dpkg-dev file lintian appstream desktop-file-utils)
missing=()
for package in "${tools[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if ((${#missing[@]} > 0)); then
    sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo=(sudo)
    fi
    echo "Instalando: ${missing[*]}" >&2
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null >&2
fi

# The package holds the program alone: no tests or benchmarks are built.
cmake -S . -B build/pkg -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DAMSIM_BUILD_TESTS=OFF -DAMSIM_BUILD_BENCHMARKS=OFF >&2
cmake --build build/pkg -j2 >&2
rm -f build/pkg/amsim_*.deb
(cd build/pkg && cpack -G DEB >&2)
realpath build/pkg/amsim_*.deb
