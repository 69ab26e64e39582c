#!/usr/bin/env bash
# The Debian package made by scripts/package.sh: lintian finds no error in
# it, it holds exactly what `cmake --install` puts under /usr, and it
# depends on the libraries its programs use and on the Chinese fonts.
#   test_package.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source="$1"
build="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

deb="$("$source/scripts/package.sh" --built "$work" | tail -1)"
[ -f "$deb" ] || fail "no package was made"

lintian --fail-on error "$deb" 2>&1 | grep -v 'running with root privileges' || true
lintian --fail-on error "$deb" >/dev/null 2>&1 || fail "lintian reports an error"

# The package's files are the installed files.
DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
(cd "$work/root" && find . -type f -o -type l | sed 's|^\./|/|' | sort) > "$work/installed"
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./|/|' | sort > "$work/packaged"
diff -u "$work/installed" "$work/packaged" || fail "the package does not hold exactly the installed files"
grep -qx /usr/share/applications/org.talvero.crm.desktop "$work/packaged" || fail "no desktop entry"

depends="$(dpkg-deb -f "$deb" Depends)"
for needed in fonts-noto-cjk fonts-wqy-microhei qt6-translations-l10n libqt6widgets6 libqt6multimedia6 libsqlcipher0 libxlsxwriter4 libminizip1; do
  echo "$depends" | grep -q "$needed" || fail "the package does not depend on $needed: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = talvero-crm ] || fail "the package has another name"
echo "PASS"
