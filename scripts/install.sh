#!/usr/bin/env bash
# Installs Orvane for the current user: the program folder (the executable and its pictures; the
# settings file and error.txt are kept there too, so it must stay writable), a launcher on PATH,
# and with --autostart an entry that starts it at login.
#   scripts/install.sh [--autostart] [BIN_DIR]      (BIN_DIR: build/default/bin)
#   scripts/install.sh --uninstall                  (keeps the settings file and error.txt)
set -euo pipefail
cd "$(dirname "$0")/.."

autostart=0 uninstall=0 bin=build/default/bin
for arg in "$@"; do
  case $arg in
    --autostart) autostart=1 ;;
    --uninstall) uninstall=1 ;;
    -*) echo "install.sh: unknown option $arg" >&2; exit 2 ;;
    *) bin=$arg ;;
  esac
done

data=${XDG_DATA_HOME:-$HOME/.local/share}/orvane
launcher=$HOME/.local/bin/orvane
entry=${XDG_CONFIG_HOME:-$HOME/.config}/autostart/orvane.desktop

if [ $uninstall = 1 ]; then
  rm -f "$launcher" "$entry" "$data/orvane"
  rm -rf "$data/image"
  echo "Removed Orvane; its settings stay in $data."
  exit 0
fi

[ -x "$bin/orvane" ] || { echo "install.sh: no program in $bin (build it first: scripts/run.sh)" >&2; exit 1; }
mkdir -p "$data" "$(dirname "$launcher")"
install -m 755 "$bin/orvane" "$data/orvane"
rm -rf "$data/image"
cp -r "$bin/image" "$data/image"
# The default picture is looked for under the current directory: start in the program folder.
printf '#!/bin/sh\ncd "%s" && exec ./orvane "$@"\n' "$data" >"$launcher"
chmod 755 "$launcher"
echo "Installed Orvane in $data; start it with: $launcher"

if [ $autostart = 1 ]; then
  mkdir -p "$(dirname "$entry")"
  cat >"$entry" <<DESKTOP
[Desktop Entry]
Type=Application
Name=Orvane
Comment=Time-signal clock in the notification area
Exec=$launcher
Icon=$data/image/p-goods1.jpg
X-GNOME-Autostart-enabled=true
DESKTOP
  echo "Orvane starts at login: $entry"
fi
