#!/usr/bin/env bash
# Installs what is missing and makes the Debian package
# talvero-crm_<version>_<arch>.deb, with the debug information of its
# programs in talvero-crm-dbgsym_<version>_<arch>.ddeb, in build/ (or in the
# folder given); prints the package's path last.
#   scripts/package.sh [--built BUILD_DIR] [FOLDER]
# The program is built for the package in build/package as
# app/desktop/PackageBuild.cmake says: without the tests and the benchmark,
# with Debian's hardening flags, and writing no path of this folder. Every
# file time in the package is SOURCE_DATE_EPOCH, by default the time of the
# last commit, so that the same sources give the same package.
# --built BUILD_DIR: packs that build folder as it is (the tests use it).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/package"
built=""
if [ "${1:-}" = "--built" ]; then
  build="$(realpath "$2")"
  built=yes
  shift 2
fi
out="$(realpath -m "${1:-$root/build}")"

# The modes of what the package is made of do not depend on who makes it.
umask 022
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH="$(git -C "$root" log -1 --format=%ct 2>/dev/null ||
    dpkg-parsechangelog -l "$root/app/desktop/changelog" -S Timestamp)"
fi
export SOURCE_DATE_EPOCH

if [ -z "$built" ]; then
  "$root/scripts/deps.sh"
  cmake -C "$root/app/desktop/PackageBuild.cmake" -S "$root" -B "$build" >/dev/null
  cmake --build "$build" -j"$(nproc)"
fi

mkdir -p "$out"
staging="$(mktemp -d "$out/.cpack-XXXXXX")"
trap 'rm -rf "$staging"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$staging" >/dev/null
# CPack writes the path of its own folder into the debug package's list of
# checksums; there, as in every package, each file is named as installed.
ddeb="$(ls "$staging"/talvero-crm-dbgsym_*.ddeb)"
dpkg-deb -R "$ddeb" "$staging/dbgsym"
sed -i 's|  /.*-dbgsym/|  |' "$staging/dbgsym/DEBIAN/md5sums"
chmod 644 "$staging"/dbgsym/usr/lib/debug/.build-id/*/*.debug
dpkg-deb --root-owner-group -Zxz --build "$staging/dbgsym" "$ddeb" >/dev/null
mv "$ddeb" "$staging"/talvero-crm_*.deb "$out/"
ls "$out"/talvero-crm-dbgsym_*.ddeb
ls "$out"/talvero-crm_*.deb
