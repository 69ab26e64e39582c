#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package
# talvero-crm_<version>_<arch>.deb in build/ (or in the folder given).
#   scripts/package.sh [--built] [FOLDER]
# --built: build/ is up to date; only the package is made (the tests use it).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ "${1:-}" = "--built" ]; then
  shift
else
  "$root/scripts/build.sh"
fi
out="$(realpath -m "${1:-$root/build}")"
mkdir -p "$out"
staging="$(mktemp -d "$out/.cpack-XXXXXX")"
trap 'rm -rf "$staging"' EXIT
cpack --config "$root/build/CPackConfig.cmake" -B "$staging" >/dev/null
mv "$staging"/talvero-crm_*.deb "$out/"
ls "$out"/talvero-crm_*.deb
