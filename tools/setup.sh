#!/usr/bin/env bash
# Installs, on Debian 12, whatever amsim needs to build, test and run that is
# not there yet. With everything installed it only checks and returns.
set -euo pipefail

packages=(
    cmake ninja-build g++
    qt6-base-dev qt6-svg-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation fonts-dejavu-core
    # fuzzing and static analysis
    clang libclang-rt-14-dev clang-tidy cppcheck
    # the Debian package and its checks
    dpkg-dev file lintian appstream desktop-file-utils
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} > 0)); then
    sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo=(sudo)
    fi
    echo "Instalando: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
fi
