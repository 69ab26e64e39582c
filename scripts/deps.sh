#!/usr/bin/env bash
# Installs the Debian packages the program, its tests and its benchmark need,
# only those that are missing (with sudo when not root).
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6opengl6-dev libgl-dev
  libsqlcipher-dev sqlcipher
  fonts-noto-cjk fonts-wqy-microhei qt6-translations-l10n
  xvfb xauth x11-utils
  poppler-utils
  libminizip-dev libxlsxwriter-dev
  desktop-file-utils appstream dpkg-dev file lintian
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
