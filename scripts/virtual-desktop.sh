#!/usr/bin/env bash
# Runs Orvane on a virtual desktop (Xvfb + openbox + trayer) for machines without a display.
#   scripts/virtual-desktop.sh BUILD_BIN_DIR [DISPLAYNUM]
# Look at it with: DISPLAY=:N import -window root shot.png   (or xwd -root | convert xwd:- shot.png)
# Ctrl+C stops the program and everything this script started.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=${1:?usage: virtual-desktop.sh BUILD_BIN_DIR [DISPLAYNUM]}
num=${2:-42}
source "$here/desktop-lib.sh"
trap vd_stop EXIT
vd_start "$num"
echo "virtual desktop on DISPLAY=:$num; screenshot: DISPLAY=:$num import -window root shot.png"
(cd "$bin" && ./orvane) &
app=$!
VD_PIDS+=($app)
wait "$app" || true
