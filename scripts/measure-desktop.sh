#!/usr/bin/env bash
# Figures of the real program on a virtual desktop, each beside a minimal Qt tray program built
# here (the floor for any Qt program): start to tray icon embedded, resident memory after start
# and after N chimes, voluntary context switches while idle.
#   scripts/measure-desktop.sh BUILD_DIR [CHIMES=100] [IDLE_SECONDS=60]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:?usage: measure-desktop.sh BUILD_DIR [CHIMES] [IDLE_SECONDS]}
chimes=${2:-100}
idle=${3:-60}
source "$here/desktop-lib.sh"
work=$(mktemp -d /tmp/orvane-measure.XXXXXX)
export XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_RUNTIME_DIR" "$work/app/image" "$work/base"
chmod 700 "$XDG_RUNTIME_DIR"
trap 'vd_stop; rm -rf "$work"' EXIT

# The floor: a tray icon and the event loop, nothing else.
cat >"$work/base/tray.cpp" <<'CPP'
#include <QApplication>
#include <QPixmap>
#include <QSystemTrayIcon>
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::darkBlue);
  QSystemTrayIcon icon{QIcon(pixmap)};
  icon.setToolTip("minimal");
  icon.show();
  return app.exec();
}
CPP
g++ -O2 -fPIC -std=c++17 "$work/base/tray.cpp" -o "$work/base/mintray" $(pkg-config --cflags --libs Qt6Widgets)

cp "$build/bin/orvane" "$work/app/orvane"
convert -size 320x200 gradient:'#102a66-#f0a030' "$work/app/image/p-goods1.jpg"

vd_start 88

now_ms() { date +%s%3N; }
rss_kb() { awk '/VmRSS/ {print $2}' "/proc/$1/status"; }
vcsw() { cat /proc/"$1"/task/*/status | awk '/^voluntary_ctxt_switches/ {s += $2} END {print s}'; }
embedded_class() {  # an icon of the given WM class in the tray
  local panel
  panel=$(xwininfo -root -tree | awk '/"panel": \("panel" "trayer"\)/ {print $1; exit}')
  [ -n "$panel" ] && xwininfo -tree -id "$panel" | grep -q "\"$1\""
}
start_and_wait() {  # start_and_wait DIR PROGRAM CLASS -> prints "PID MS"
  local t0 pid
  t0=$(now_ms)
  (cd "$1" && exec "./$2") >/dev/null 2>&1 &
  pid=$!
  VD_PIDS+=($pid)
  until embedded_class "$3"; do sleep 0.002; done
  echo "$pid $(($(now_ms) - t0))"
}

# Hourly on the hour: nothing is due while we watch.
printf '[OPTION]\nIS_00MINUTES=1\n' >"$work/app/orvane.ini"

read -r base_pid base_ms < <(start_and_wait "$work/base" mintray mintray)
read -r app_pid app_ms < <(start_and_wait "$work/app" orvane orvane)
sleep 1
base_rss=$(rss_kb "$base_pid")
app_rss=$(rss_kb "$app_pid")
b0=$(vcsw "$base_pid")
a0=$(vcsw "$app_pid")
sleep "$idle"
b1=$(vcsw "$base_pid")
a1=$(vcsw "$app_pid")
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true

# A chime every second, shown and animated, for CHIMES seconds.
printf '[OPTION]\nIS_00MINUTES=0\nDISPLAYTIME=1\nDISPLAYTIME_ANY_SECOND=1\n' >"$work/app/orvane.ini"
read -r app_pid _ < <(start_and_wait "$work/app" orvane orvane)
sleep 1
chime_rss0=$(rss_kb "$app_pid")
sleep "$chimes"
chime_rss1=$(rss_kb "$app_pid")

printf '%-44s %12s %12s\n' "figure" "orvane" "minimal Qt"
printf '%-44s %10s ms %10s ms\n' "start to tray icon embedded" "$app_ms" "$base_ms"
printf '%-44s %9s KiB %9s KiB\n' "resident memory after start-up" "$app_rss" "$base_rss"
printf '%-44s %9s KiB %12s\n' "resident memory, chiming: first chime" "$chime_rss0" "-"
printf '%-44s %9s KiB %12s\n' "resident memory, chiming: after $chimes chimes" "$chime_rss1" "-"
printf '%-44s %12s %12s\n' "voluntary context switches, ${idle} s idle" "$((a1 - a0))" "$((b1 - b0))"
