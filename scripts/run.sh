#!/usr/bin/env bash
# Installs what is missing, builds, prepares a working folder and starts the
# program in it. The folder is $TALVERO_HOME, by default
# ${XDG_DATA_HOME:-~/.local/share}/talvero-crm; the first time, a fresh
# installation is made there.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh"

home="${TALVERO_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/talvero-crm}"
"$root/build/tools/talvero-install" "$home" >/dev/null
cd "$home"
exec "$root/build/app/talvero-crm"
