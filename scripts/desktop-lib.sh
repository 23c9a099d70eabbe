# A virtual desktop for running Orvane without a screen: Xvfb, the openbox window manager and the
# trayer tray host docked at the bottom edge (its strut shrinks the work area). Every process
# started here is remembered by its PID and stopped by that PID, nothing else.
#
#   source scripts/desktop-lib.sh
#   vd_start 57            # Xvfb :57 1280x800 + openbox + trayer; exports DISPLAY
#   vd_start_tray          # (only after vd_start 57 notray) start the tray host later
#   vd_stop                # stops what vd_start started, newest first
#
# Tools: Xvfb, openbox, trayer, xdotool, xprop, xwininfo (scripts/install-deps.sh installs them).

VD_PIDS=()
VD_TRAYER_PID=

_vd_wait() {  # _vd_wait SECONDS COMMAND... : retries until COMMAND succeeds
  local deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < deadline)) || return 1
    sleep 0.05
  done
}

vd_start() {  # vd_start DISPLAYNUM [notray] [WxH]
  local num=$1 tray=${2:-tray} size=${3:-1280x800}
  VD_HEIGHT=${size#*x}
  export DISPLAY=:$num
  unset WAYLAND_DISPLAY
  rm -f "/tmp/.X$num-lock" 2>/dev/null || true
  Xvfb ":$num" -screen 0 "${size}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
  VD_PIDS+=($!)
  _vd_wait 10 xdpyinfo || { echo "vd: Xvfb :$num did not start" >&2; return 1; }
  # No key repeat: on a loaded machine a key held a little long by xdotool would repeat.
  xset r off
  openbox --sm-disable >/dev/null 2>&1 &
  VD_PIDS+=($!)
  _vd_wait 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    { echo "vd: openbox did not start" >&2; return 1; }
  [ "$tray" = notray ] || vd_start_tray
}

vd_start_tray() {
  local attempt
  # A tray host that comes up before the window manager has settled sometimes never gets its
  # strut honoured; a second start has always been enough.
  for attempt in 1 2; do
    trayer --edge bottom --align right --widthtype pixel --width 200 --height 24 \
      --SetDockType true --SetPartialStrut true --transparent false --tint 0x202020 >/dev/null 2>&1 &
    VD_TRAYER_PID=$!
    VD_PIDS+=($!)
    _vd_wait 10 sh -c "xprop -root _NET_WORKAREA | grep -q ', $((VD_HEIGHT - 24))\$'" && return 0
    kill "$VD_TRAYER_PID" 2>/dev/null
    wait "$VD_TRAYER_PID" 2>/dev/null
  done
  echo "vd: trayer did not reserve its strut" >&2
  return 1
}

# The id of the tray host's window (trayer's toplevel).
vd_tray_window() {
  xdotool search --classname trayer 2>/dev/null | head -1
}

vd_stop() {
  local i
  for ((i = ${#VD_PIDS[@]} - 1; i >= 0; i--)); do
    kill "${VD_PIDS[i]}" 2>/dev/null || true
  done
  for ((i = ${#VD_PIDS[@]} - 1; i >= 0; i--)); do
    wait "${VD_PIDS[i]}" 2>/dev/null || true
  done
  VD_PIDS=()
}
