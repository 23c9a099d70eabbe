#!/usr/bin/env bash
# The per-user install: program folder, launcher and autostart entry, and the way back out.
#   install_test.sh SOURCE_DIR BIN_DIR
set -u
src=$1 bin=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
passed=0 failed=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL $what"; fi
}
env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" bash "$src/scripts/install.sh" --autostart "$bin" >/dev/null
data=$home/.local/share/orvane
check "program installed" test -x "$data/orvane"
check "default picture beside it" test -s "$data/image/p-goods1.jpg"
check "launcher on PATH" test -x "$home/.local/bin/orvane"
check "launcher starts in the program folder" grep -q "cd \"$data\" && exec ./orvane" "$home/.local/bin/orvane"
check "autostart entry" grep -qx "Exec=$home/.local/bin/orvane" "$home/.config/autostart/orvane.desktop"
echo "[OPTION]" >"$data/orvane.ini"
env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" bash "$src/scripts/install.sh" --uninstall >/dev/null
check "uninstall removes the program" test ! -e "$data/orvane"
check "uninstall removes the launcher" test ! -e "$home/.local/bin/orvane"
check "uninstall keeps the settings" test -f "$data/orvane.ini"
env -u XDG_DATA_HOME HOME="$home" bash "$src/scripts/install.sh" "$home/nowhere" >/dev/null 2>&1
check "refuses a folder without the program" test $? -eq 1
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
