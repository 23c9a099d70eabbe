#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Orvane needs.
# Safe to run again: packages already present are left alone.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config clang-format
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libjpeg62-turbo-dev
  qt6-base-dev qt6-base-dev-tools libxcb1-dev libxcb-shape0-dev libxkbcommon-dev
  # run: Japanese button texts and faces
  qt6-translations-l10n fonts-ipafont-gothic fonts-ipafont-mincho
  # desktop tests: a real X server, window manager and tray host, and the tools to drive them
  xvfb openbox trayer xdotool x11-utils x11-xserver-utils imagemagick
  # dates in error.txt follow the user's locale; the tests check a Japanese one
  locales
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

SUDO=
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all ${#packages[@]} packages present"
else
  echo "install-deps: installing ${missing[*]}"
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "install-deps: generating the ja_JP.UTF-8 locale"
  $SUDO sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
