#!/usr/bin/env bash
# End-to-end scenarios of the real orvane binary on a virtual desktop of its own (Xvfb, openbox,
# trayer), driven with xdotool, xprop and xwininfo. Every process started is stopped by its PID.
#   e2e.sh SCENARIO ORVANE_BINARY DISPLAYNUM ARTIFACT_DIR
set -uo pipefail
scenario=$1 binary=$2 num=$3 artifacts=$4
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/desktop-lib.sh"

work=$(mktemp -d "/tmp/orvane-e2e-$scenario.XXXXXX")
export XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_RUNTIME_DIR" "$artifacts"
chmod 700 "$XDG_RUNTIME_DIR"
cleanup() {
  vd_stop
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL [$scenario]: $*" >&2
  [ -f "$work/app/error.txt" ] && { echo "--- error.txt"; cat "$work/app/error.txt"; } >&2
  [ -f "$work/app.log" ] && { echo "--- app.log"; cat "$work/app.log"; } >&2
  exit 1
}
wait_for() {  # wait_for SECONDS DESCRIPTION COMMAND...
  local s=$1 what=$2
  shift 2
  _vd_wait "$s" "$@" || fail "timed out waiting for: $what"
}

# The program in a folder of its own: settings and error.txt land beside it.
mkdir -p "$work/app/image"
cp "$binary" "$work/app/orvane"
convert -size 320x200 gradient:'#102a66-#f0a030' "$work/app/image/p-goods1.jpg"
convert -size 200x120 xc:'#ff00ff' -fill '#2060c0' -draw 'circle 100,60 100,10' -fill '#f0f0f0' \
  -draw 'rectangle 20,50 40,70' -type TrueColor "BMP3:$work/app/image/shape.bmp"

APP_PID=
start_app() {  # start_app [LOG]: runs orvane from its folder
  (cd "$work/app" && exec ./orvane) >"$work/app.log" 2>&1 &
  APP_PID=$!
  VD_PIDS+=($APP_PID)
}
ini() { { echo '[OPTION]'; printf '%s\n' "$@"; } >"$work/app/orvane.ini"; }
every2s=(IS_00MINUTES=0 DISPLAYTIME=1 DISPLAYTIME_ANY_SECOND=2)

form_window() { xdotool search --name '^Orvane  ver\. 2\.01$' 2>/dev/null | head -1; }
mapped() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
tray_icon() {
  local panel
  panel=$(xwininfo -root -tree | awk '/"panel": \("panel" "trayer"\)/ {print $1; exit}')
  [ -n "$panel" ] && xwininfo -tree -id "$panel" | awk '/"orvane"/ {print $1; exit}'
}
has_tray_icon() { [ -n "$(tray_icon)" ]; }
has_form_window() { [ -n "$(form_window)" ]; }
geometry() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} /Width/ {w=$2} /Height/ {h=$2} END {print x, y, w, h}'; }
icon_colour() { import -window "$1" -crop 1x1+4+4 -depth 8 txt:- 2>/dev/null | awk 'NR==2 {print $3}'; }
work_area() { xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g' | awk '{print $1, $2, $3, $4}'; }
exit_code_of() {  # exit_code_of PID SECONDS
  local deadline=$((SECONDS + $2))
  while kill -0 "$1" 2>/dev/null; do
    ((SECONDS < deadline)) || return 200
    sleep 0.1
  done
  wait "$1"
}

# At login the tray host often comes up after the program: that scenario starts without one.
if [ "$scenario" = late-tray ]; then
  vd_start "$num" notray || fail "virtual desktop"
else
  vd_start "$num" || fail "virtual desktop"
fi
[ -n "${E2E_DEBUG:-}" ] && set -x

case $scenario in
  startup)
    ini "${every2s[@]/DISPLAYTIME_ANY_SECOND=2/DISPLAYTIME_ANY_SECOND=3600}"
    start_app
    wait_for 10 "tray icon embedded" has_tray_icon
    w=$(form_window)
    [ -n "$w" ] || fail "no form window"
    mapped "$w" && fail "a window is shown at start-up"
    xprop -id "$w" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || fail "no SKIP_TASKBAR"
    xprop -id "$w" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_PAGER || fail "no SKIP_PAGER"
    # Nothing of ours is mapped outside the tray.
    for c in $(xdotool search --onlyvisible --class orvane 2>/dev/null); do
      [ "$c" = "$(($(tray_icon)))" ] || fail "visible window $c"
    done
    grep -q 'LAST_VERSION=131073' "$work/app/orvane.ini" || fail "settings not written"
    ;;

  chime)
    ini "${every2s[@]}" IS_ICONANIM=1 MESSAGE_NUM=2 "MESSAGE_0=時は満ちたり & chime" "MESSAGE_1=second line" \
      FONT_COLOR=16777215 FONT_SIZE=14
    xmessage -name focusme -geometry 300x100+50+50 "I keep the focus" &
    VD_PIDS+=($!)
    wait_for 10 "focus window" xdotool search --name focusme
    focus=$(xdotool search --name focusme | head -1)
    xdotool windowactivate --sync "$focus"
    start_app
    wait_for 10 "tray icon" has_tray_icon
    wait_for 5 "form window" has_form_window
    w=$(form_window)
    wait_for 5 "chime shown" mapped "$w"
    read -r ax ay aw ah < <(work_area)
    read -r x y width height < <(geometry "$w")
    [ "$width $height" = "320 200" ] || fail "size $width x $height"
    [ $((x + width)) -eq $((ax + aw)) ] && [ $((y + height)) -eq $((ay + ah)) ] ||
      fail "at $x,$y (work area $ax $ay $aw $ah)"
    [ "$(xdotool getactivewindow)" = "$focus" ] || fail "the chime took the focus"
    xprop -id "$w" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "not on top"
    sleep 0.3
    import -window root "$artifacts/chime-on-screen.png" || fail "screenshot"
    # The icon blinks between the dark blue and the orange frame.
    icon=$(tray_icon)
    colours=
    for _ in $(seq 8); do colours+=" $(icon_colour "$icon")"; sleep 0.25; done
    echo "$colours" | grep -qi '#1A2E7A' || fail "frame 0 never seen:$colours"
    echo "$colours" | grep -qi '#FF8C1A' || fail "frame 1 never seen:$colours"
    xdotool mousemove --window "$w" 20 20 click 1
    wait_for 3 "chime put away" sh -c "! xwininfo -id $w | grep -q IsViewable"
    sleep 0.9
    [ "$(icon_colour "$icon")" = "#1A2E7A" ] || fail "icon not at rest after the click"
    ;;

  shape)
    ini "${every2s[@]}" IS_REGION=1 "IMAGE_PATH=$work/app/image/shape.bmp" MESSAGE_NUM=1 MESSAGE_0=
    start_app
    wait_for 5 "form window" has_form_window
    w=$(form_window)
    wait_for 5 "chime shown" mapped "$w"
    shape=$(xwininfo -shape -id "$w")
    # The opaque pixels of the bitmap: the circle 50..150 x 10..110 and the square 20..40 x 50..70.
    extents=$(echo "$shape" | sed -n 's/.*Window shape extents: *//p')
    [ "$extents" = "131x101+20+10" ] || fail "shape extents '$extents': $shape"
    # A click on a hole goes through to the desktop; one on the shape puts the chime away.
    xdotool mousemove --window "$w" 5 5 click 1
    sleep 0.3
    mapped "$w" || fail "a click on a hole hid the chime"
    xdotool mousemove --window "$w" 100 60 click 1
    wait_for 3 "chime put away" sh -c "! xwininfo -id $w | grep -q IsViewable"
    ;;

  second-instance)
    ini IS_IMAGE=0
    start_app
    first=$APP_PID
    wait_for 10 "tray icon" has_tray_icon
    (cd "$work/app" && exec ./orvane) >"$work/second.log" 2>&1 &
    second=$!
    VD_PIDS+=($second)
    wait_for 10 "box 002" xdotool search --name 'エラーコード：002'
    box=$(xdotool search --name 'エラーコード：002' | head -1)
    xdotool windowactivate --sync "$box" key Return
    exit_code_of "$second" 10
    code=$?
    [ "$code" -eq 0 ] || fail "second instance ended with $code"
    grep -q 'エラーコード：002　　二重起動' "$work/app/error.txt" || fail "002 not logged"
    grep -q '二重起動は、禁止しております。' "$work/app/error.txt" || fail "002 message not logged"
    kill -0 "$first" || fail "the first instance is gone"
    wait_for 3 "the first instance keeps its icon" has_tray_icon
    ;;

  exit-menu)
    printf '[OPTION]\nIS_IMAGE=0\nMESSAGE_POS_X=33\nMESSAGE_POS_Y=44\n' >"$work/app/orvane.ini"
    start_app
    wait_for 10 "tray icon" has_tray_icon
    sed -i '/LAST_VERSION/d; /MESSAGE_POS/d' "$work/app/orvane.ini"
    icon=$(tray_icon)
    xdotool mousemove --window "$icon" 8 8 click 3
    wait_for 5 "menu" xdotool search --onlyvisible --class orvane
    sleep 0.3
    xdotool key x
    exit_code_of "$APP_PID" 10
    code=$?
    [ "$code" -eq 0 ] || fail "exit code $code"
    grep -q '^LAST_VERSION=131073$' "$work/app/orvane.ini" || fail "LAST_VERSION not written"
    grep -q '^MESSAGE_POS_X=90$' "$work/app/orvane.ini" || fail "MESSAGE_POS_X not written"
    grep -q '^MESSAGE_POS_Y=130$' "$work/app/orvane.ini" || fail "MESSAGE_POS_Y not written"
    [ -z "$(tray_icon)" ] || fail "icon left in the tray"
    ;;

  terminate)
    # The session ends (or someone sends SIGTERM): the same way out as the exit command.
    printf '[OPTION]\nIS_IMAGE=0\n' >"$work/app/orvane.ini"
    start_app
    wait_for 10 "tray icon" has_tray_icon
    sed -i '/LAST_VERSION/d; /MESSAGE_POS/d' "$work/app/orvane.ini"
    kill -TERM "$APP_PID"
    exit_code_of "$APP_PID" 10
    code=$?
    [ "$code" -eq 0 ] || fail "exit code $code"
    grep -q '^LAST_VERSION=131073$' "$work/app/orvane.ini" || fail "LAST_VERSION not written"
    grep -q '^MESSAGE_POS_X=90$' "$work/app/orvane.ini" || fail "MESSAGE_POS_X not written"
    [ -z "$(tray_icon)" ] || fail "icon left in the tray"
    ;;

  late-tray)
    # No tray host for the first seconds: the program retries once a second, the icon is embedded
    # once trayer is up, and notice 011 says at which attempt.
    ini IS_IMAGE=0
    start_app
    sleep 2.5
    vd_start_tray || fail "tray host"
    wait_for 15 "notice 011" xdotool search --name 'エラーコード：011'
    box=$(xdotool search --name 'エラーコード：011' | head -1)
    xdotool windowactivate --sync "$box" key Return
    wait_for 5 "tray icon embedded" has_tray_icon
    wait_for 5 "notice 011 logged" grep -q 'タスクトレイアイコン登録は[0-9]*回目で成功しました。' "$work/app/error.txt"
    kill -0 "$APP_PID" || fail "the program ended"
    ;;

  missing-picture)
    ini "IMAGE_PATH=$work/app/image/none.jpg"
    start_app
    wait_for 10 "box 003" xdotool search --name 'エラーコード：003'
    box=$(xdotool search --name 'エラーコード：003' | head -1)
    import -window "$box" "$artifacts/box-003.png" 2>/dev/null
    xdotool windowactivate --sync "$box" key Return  # No is the default button
    exit_code_of "$APP_PID" 10
    code=$?
    [ "$code" -eq 0 ] || fail "exit code $code"
    grep -q 'エラーコード：003　　LoadFromFile 例外発生' "$work/app/error.txt" || fail "003 not logged"
    ;;

  settings)
    # From the tray menu, by keyboard and mouse: every 3 seconds from the moment of OK.
    ini MESSAGE_POS_X=90 MESSAGE_POS_Y=130
    start_app
    wait_for 10 "tray icon" has_tray_icon
    open_settings() {
      xdotool mousemove --window "$(tray_icon)" 8 8 click 3
      wait_for 5 "menu" xdotool search --onlyvisible --class orvane
      sleep 0.3
      xdotool key o
      wait_for 5 "settings dialog" xdotool search --onlyvisible --name '^設定$'
      dlg=$(xdotool search --onlyvisible --name '^設定$' | head -1)
      sleep 0.3
    }
    open_settings
    import -window root "$artifacts/settings-basic.png"
    xdotool key ctrl+Tab  # to the 動作タイミング page
    sleep 0.3
    for k in alt+a alt+e alt+c 3; do  # 任意, 任意時間おき, the seconds box, 3
      xdotool key "$k"
      sleep 0.2
    done
    sleep 0.3
    import -window root "$artifacts/settings-timing.png"
    xdotool windowmove "$dlg" 100 80
    sleep 0.3
    read -r dx dy _ _ < <(geometry "$dlg")
    read -r _ _ dw dh < <(geometry "$dlg")
    xdotool mousemove --window "$dlg" $((dw - 59)) $((dh - 22)) click 1  # OK(&O)
    ok_at=$SECONDS
    wait_for 3 "dialog closed" sh -c "! xdotool search --onlyvisible --name '^設定\$' >/dev/null"
    for key in IS_00MINUTES=0 IS_BASETIME_OK=1 DISPLAYTIME=1 DISPLAYTIME_ANY_HOUR=0 DISPLAYTIME_ANY_MINUTE=0 \
      DISPLAYTIME_ANY_SECOND=3 MESSAGE_NUM=1 FORM_POS_W=504; do
      grep -q "^$key\$" "$work/app/orvane.ini" || fail "$key not written: $(cat "$work/app/orvane.ini")"
    done
    wait_for 10 "form window" has_form_window
    w=$(form_window)
    wait_for 5 "a chime 3 seconds after OK" mapped "$w"
    elapsed=$((SECONDS - ok_at))
    ((elapsed >= 2 && elapsed <= 5)) || fail "the chime came $elapsed s after OK"
    xdotool mousemove --window "$w" 20 20 click 1
    # Opened again, it comes up where it was left, on the basic page.
    open_settings
    read -r nx ny _ _ < <(geometry "$dlg")
    [ "$nx $ny" = "$dx $dy" ] || fail "reopened at $nx,$ny, left at $dx,$dy"
    import -window root "$artifacts/settings-reopened.png"
    xdotool key Return  # a field's Enter does not close it, the OK button does
    sleep 0.3
    xdotool search --onlyvisible --name '^設定$' >/dev/null || fail "Enter closed the dialog"
    xdotool key alt+o
    wait_for 3 "dialog closed by alt+O" sh -c "! xdotool search --onlyvisible --name '^設定\$' >/dev/null"
    kill -0 "$APP_PID" || fail "the program ended"
    ;;

  *) fail "no scenario $scenario" ;;
esac
echo "PASS [$scenario]"
