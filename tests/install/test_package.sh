#!/usr/bin/env bash
# The Debian package that scripts/package.sh makes of this build folder:
# lintian finds no error in it; it holds exactly what `cmake --install` puts
# under /usr; it depends on the libraries its programs use, on the Chinese fonts
# and on the Chinese texts of Qt's own dialogs; its programs' debug
# information is in the -dbgsym package beside it; every time in it is the
# time of the sources, and packing again, at another time and with another
# umask, gives the same bytes. Then the package's own build, configured as
# scripts/package.sh configures it: no tests, no benchmark, and every flag
# dpkg-buildflags gives with all hardening.
#   test_package.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source="$1"
build="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

made="$(umask 022 && "$source/scripts/package.sh" --built "$build" "$work/first")"
deb="$(echo "$made" | tail -1)"
ddeb="$(echo "$made" | head -1)"
[ -f "$deb" ] || fail "no package was made"
[ "$ddeb" != "$deb" ] && [ -f "$ddeb" ] || fail "no debug package was made"

lintian --fail-on error "$deb" > "$work/lintian" 2>&1 || { cat "$work/lintian"; fail "lintian reports an error"; }
grep -v 'running with root privileges' "$work/lintian" || true

# The package's files are the installed files.
DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
(cd "$work/root" && find . -type f -o -type l | sed 's|^\./|/|' | sort) > "$work/installed"
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./|/|' | sort > "$work/packaged"
diff -u "$work/installed" "$work/packaged" || fail "the package does not hold exactly the installed files"
grep -qx /usr/share/applications/org.talvero.crm.desktop "$work/packaged" || fail "no desktop entry"

depends="$(dpkg-deb -f "$deb" Depends)"
for needed in fonts-noto-cjk fonts-wqy-microhei qt6-translations-l10n libqt6widgets6 libqt6multimedia6 libsqlcipher0 \
  libxlsxwriter4 libminizip1; do
  echo "$depends" | grep -q "$needed" || fail "the package does not depend on $needed: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = talvero-crm ] || fail "the package has another name"

# The programs carry no debug information; the -dbgsym package holds it, by
# their build ids, and depends on this very package.
version="$(dpkg-deb -f "$deb" Version)"
[ "$(dpkg-deb -f "$ddeb" Package)" = talvero-crm-dbgsym ] || fail "the debug package has another name"
dpkg-deb -f "$ddeb" Depends | grep -qF "talvero-crm (= $version)" || fail "the debug package is not for this package"
for package in deb ddeb; do
  dpkg-deb -R "${!package}" "$work/$package"
  (cd "$work/$package" && md5sum --quiet -c DEBIAN/md5sums) || fail "the checksums of $package name other files"
done
for program in talvero-crm talvero-install; do
  binary="$work/deb/usr/lib/talvero-crm/$program"
  ! grep -q '\.debug_info' <<< "$(readelf -S "$binary")" || fail "$program carries its debug information"
  id="$(readelf -n "$binary" | sed -n 's/.*Build ID: *//p')"
  [ -n "$id" ] || fail "$program has no build id"
  debug="$work/ddeb/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug"
  [ -f "$debug" ] || fail "no debug information for $program"
  grep -q '\.debug_info' <<< "$(readelf -S "$debug")" || fail "the debug file of $program holds no debug information"
done

# Every time in the packages is that of the sources: the last commit's.
epoch="$(git -C "$source" log -1 --format=%ct 2>/dev/null ||
  dpkg-parsechangelog -l "$source/app/desktop/changelog" -S Timestamp)"
when="$(date -u -d "@$epoch" '+%Y-%m-%d %H:%M:%S')"
for package in "$deb" "$ddeb"; do
  for part in ctrl fsys; do
    dpkg-deb "--$part-tarfile" "$package" | TZ=UTC tar -tv --full-time > "$work/listing"
    wrong="$(grep -vF " $when " "$work/listing" || true)"
    [ -z "$wrong" ] || fail "$(basename "$package") holds other times than $when: $wrong"
  done
  wrong="$(TZ=UTC ar tv "$package" | grep -vF "$(date -u -d "@$epoch" '+%b %e %H:%M %Y')" || true)"
  [ -z "$wrong" ] || fail "$(basename "$package") holds other times: $wrong"
done

# Packed again, a little later, by someone whose umask keeps everything to
# themselves: the same bytes.
second="$(umask 077 && TZ=Asia/Shanghai "$source/scripts/package.sh" --built "$build" "$work/second")"
cmp "$deb" "$(echo "$second" | tail -1)" || fail "packing again gave another package"
cmp "$ddeb" "$(echo "$second" | head -1)" || fail "packing again gave another debug package"

# The package's own build: configured, not built.
configured="$work/configured"
cmake -C "$source/app/desktop/PackageBuild.cmake" -S "$source" -B "$configured" \
  -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
targets="$(cmake --build "$configured" --target help)"
grep -q ' talvero-crm$' <<< "$targets" || fail "the package's build does not make the program"
! grep -E ' (test_[a-z_]+|talvero-bench|talvero_testsupport)$' <<< "$targets" || fail "the package's build makes tests"
cd "$source"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
grep '"command"' "$configured/compile_commands.json" > "$work/compiles"
[ -s "$work/compiles" ] || fail "the package's build compiles nothing"
for flag in $(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS); do
  wrong="$(grep -vF -- " $flag " "$work/compiles" || true)"
  [ -z "$wrong" ] || fail "the package's build compiles without $flag: $(echo "$wrong" | head -1)"
done
for flag in $(dpkg-buildflags --get LDFLAGS); do
  for program in app/CMakeFiles/talvero-crm.dir tools/CMakeFiles/talvero-install.dir; do
    grep -qF -- " $flag " "$configured/$program/link.txt" || fail "$program is linked without $flag"
  done
done
echo "PASS"
