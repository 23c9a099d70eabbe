#!/usr/bin/env bash
# Installs what is needed, builds Orvane and starts it on this desktop. Without a display it
# starts a virtual one (Xvfb, openbox and a tray) and says how to look at it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target orvane orvane-next

bin=build/default/bin
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "Starting Orvane on DISPLAY=$DISPLAY: look for its icon in the notification area."
  echo "Settings: $PWD/$bin/orvane.ini   log: $PWD/$bin/error.txt"
  exec "$bin/orvane"
fi
if [ -n "${WAYLAND_DISPLAY:-}" ]; then
  echo "Starting Orvane on the Wayland desktop."
  exec "$bin/orvane"
fi
echo "No display here: starting Orvane on a virtual desktop instead."
exec bash scripts/virtual-desktop.sh "$bin"
