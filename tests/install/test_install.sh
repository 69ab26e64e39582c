#!/usr/bin/env bash
# `cmake --install` into a temporary prefix: every file a desktop needs is
# there and valid, nothing is installed that nothing reads, the launcher
# makes a fresh installation the first time and leaves an existing one as it
# is, and a working folder it cannot make is named, with the reason, in a
# window.
#   test_install.sh BUILD_DIR
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'kill "${pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

# Every installed file.
expected=(
  bin/talvero-crm
  lib/talvero-crm/talvero-crm
  lib/talvero-crm/talvero-install
  share/applications/org.talvero.crm.desktop
  share/metainfo/org.talvero.crm.metainfo.xml
  share/icons/hicolor/scalable/apps/org.talvero.crm.svg
)
for n in 16 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${n}x${n}/apps/org.talvero.crm.png")
done
for f in "${expected[@]}"; do
  [ -f "$prefix/$f" ] || fail "$f is not installed"
done
# A fresh installation's sound and report files come from the program's own
# code; copies that nothing reads are not installed.
[ ! -e "$prefix/share/talvero-crm" ] || fail "share/talvero-crm is installed: $(cd "$prefix/share" && find talvero-crm)"
[ -x "$prefix/bin/talvero-crm" ] || fail "the launcher cannot be run"
for n in 16 32 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${n}x${n}/apps/org.talvero.crm.png"
  [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "$png is not a PNG"
  # Its width and height, big-endian at bytes 16 and 20.
  size="$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')"
  [ "$size" = "${n}x${n}" ] || fail "$png is $size"
done

desktop-file-validate "$prefix/share/applications/org.talvero.crm.desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net "$prefix/share/metainfo/org.talvero.crm.metainfo.xml" >/dev/null \
  || fail "the metainfo is not valid"
grep -qx 'Exec=talvero-crm' "$prefix/share/applications/org.talvero.crm.desktop" || fail "the entry starts something else"

# Starts the launcher with its own data home and stops the program once it runs.
start_and_stop() {
  env -u TALVERO_HOME XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=offscreen "$prefix/bin/talvero-crm" &
  pid=$!
  for _ in $(seq 1 100); do
    [ -f "$home/Data/Main_data.db" ] && break
    sleep 0.1
  done
  sleep 2
  kill -0 "$pid" 2>/dev/null || fail "the program is not running"
  # A second start, from the menu, leaves at once and leaves the first running.
  timeout 20 env -u TALVERO_HOME XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=offscreen "$prefix/bin/talvero-crm" \
    || fail "a second start did not leave at once"
  kill -0 "$pid" 2>/dev/null || fail "a second start stopped the first"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=
}

home="$work/data/talvero-crm"
start_and_stop
for f in Data/Main_data.db Data/C_data.db ring.wav Rop/s{1,2,3,4,5,7}.rav; do
  [ -f "$home/$f" ] || fail "the first start did not make $f"
done
[ "$(stat -c %a "$home")" = 700 ] || fail "the working folder is not private"
[ "$(stat -c %a "$home/Data/Main_data.db")" = 600 ] || fail "the database file is not private"

# An installation that is there stays as it is.
echo "changed by the user" >> "$home/Rop/s1.rav"
before="$(sha256sum "$home/Data/Main_data.db" "$home/Data/C_data.db" "$home/ring.wav" "$home/Rop/s1.rav")"
start_and_stop
after="$(sha256sum "$home/Data/Main_data.db" "$home/Data/C_data.db" "$home/ring.wav" "$home/Rop/s1.rav")"
[ "$before" = "$after" ] || fail "a second start changed the installation"

# A working folder that cannot be made: a file stands where a folder must be.
blocked="$work/blocked"
echo "a file, not a folder" > "$blocked"
folder="$blocked/talvero-crm"
reason="无法准备工作文件夹 $folder：$blocked 是文件，不是文件夹。"
# Without a display the reason goes to the standard error, and nothing starts.
code=0
env -u TALVERO_HOME -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_DATA_HOME="$blocked" \
  "$prefix/bin/talvero-crm" 2> "$work/said" || code=$?
[ "$code" = 1 ] || fail "the launcher ended with $code"
[ "$(cat "$work/said")" = "$reason" ] || fail "the launcher said: $(cat "$work/said")"

# Started from a desktop, it says so in a window that waits for the user.
cat > "$work/window.sh" <<'WINDOW'
# window.sh WORK PREFIX BLOCKED: starts the launcher, waits for its window.
set -u
env -u TALVERO_HOME -u QT_QPA_PLATFORM XDG_DATA_HOME="$3" "$2/bin/talvero-crm" 2> "$1/said" &
pid=$!
for _ in $(seq 1 300); do
  xwininfo -root -tree > "$1/windows" 2>/dev/null
  grep -q '"Application Error' "$1/windows" && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && echo running > "$1/state"
kill "$pid" 2>/dev/null
exit 0
WINDOW
xvfb-run -a bash "$work/window.sh" "$work" "$prefix" "$blocked"
grep -q '"Application Error' "$work/windows" || fail "no window named the reason"
[ "$(cat "$work/state" 2>/dev/null)" = running ] || fail "the launcher did not wait for the window"
grep -qxF "$reason" "$work/said" || fail "the launcher said: $(cat "$work/said")"
[ ! -e "$folder" ] || fail "something was made in the file's place"
echo "PASS"
