#!/usr/bin/env bash
# Installs, on Debian 12, whatever amsim needs to build, test and run that is
# not there yet, the browser page's tools and test libraries included. With
# everything installed it only checks and returns.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    cmake ninja-build g++
    qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    # the spectrum analyser's FFT (a header, read by both editions)
    libkissfft-dev
    fonts-liberation fonts-dejavu-core
    # fuzzing and static analysis
    clang libclang-rt-14-dev clang-tidy cppcheck
    # the export's tests: one system call held up, another user
    strace util-linux
    # the Debian package and its checks, and the PDF export's
    dpkg-dev file lintian appstream desktop-file-utils poppler-utils
    # the browser page: WebAssembly, and the browser its tests drive
    emscripten chromium
)
# Node.js may come from elsewhere than Debian (emscripten needs one too):
# Debian's is installed only where there is none.
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    packages+=(nodejs npm)
fi

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

# The page's test and lint libraries, exactly as the lock file pins them;
# again only when the lock file changed since the last install.
installed=web/node_modules/.amsim-package-lock.json
if ! cmp -s web/package-lock.json "$installed" 2>/dev/null; then
    npm ci --prefix web --no-audit --no-fund --loglevel=error
    cp web/package-lock.json "$installed"
fi
