#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need, if missing,
# and any further packages named as arguments.
set -euo pipefail

packages=(
    "$@"
    cmake g++ make pkg-config
    juce-modules-source
    libasound2-dev libfreetype-dev libfontconfig1-dev fonts-dejavu-core
    libx11-dev libxrandr-dev libxinerama-dev libxcursor-dev libxext-dev
    libpng-dev libjpeg-dev zlib1g-dev
    libexpat1-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

echo "Installing: ${missing[*]}"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" < /dev/null
