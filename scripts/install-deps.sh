#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run.
# Idempotent: packages already present are left alone; sudo only when not root.
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang libclang-rt-14-dev
  libfreeimage-dev libcairo2-dev libfontconfig-dev libfreetype-dev
  libarchive-dev libpng-dev libjpeg-dev zlib1g-dev
  libgtest-dev libbenchmark-dev
  libwxgtk3.2-dev libgtk-3-dev libx11-dev libglib2.0-dev xvfb xauth xdotool x11-utils openbox
  fonts-liberation2 fonts-crosextra-carlito fonts-crosextra-caladea
  fonts-dejavu-core fonts-dejavu-extra fonts-urw-base35 fonts-droid-fallback fonts-wine
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

echo "Installing missing packages: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
