#!/usr/bin/env bash
# Drives Quietpane.exe under Wine the way a user does: real clicks on its icon in Wine's
# notification area, the popup menu, the about box and quitting. Wine's traces of posted messages,
# menus and the notification area show what the program did.
#   run.sh <Quietpane.exe> <driver.exe> <folder for the trace and Wine> <screenshot folder>
set -euo pipefail

exe=$1 driver=$2 out=$3 screenshots=$4
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# A display of its own: other test programs open windows and menus at the same time.
if [ -z "${QP_E2E_DISPLAY:-}" ]; then
  exec env QP_E2E_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

mkdir -p "$out" "$screenshots"
export WINEPREFIX=$out/wineprefix WINEDLLOVERRIDES=mscoree,mshtml=
if [ ! -d "$WINEPREFIX" ]; then
  WINEDEBUG=-all wineboot --init >/dev/null 2>&1 || true
  # Without a window manager, Wine draws the title bars itself only for unmanaged windows.
  WINEDEBUG=-all wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wineserver --wait || true
fi
log=$out/wine-trace.log
trap 'wineserver -k 2>/dev/null || true' EXIT

fail() {
  echo "FAILED: $*" >&2
  echo "(Wine's trace: $log)" >&2
  exit 1
}

# Waits up to 60 seconds for a command to succeed.
wait_for() {
  local what=$1
  shift
  for _ in $(seq 300); do
    if "$@" >/dev/null; then return 0; fi
    sleep 0.2
  done
  fail "$what"
}

driver() { WINEDEBUG=-all wine "$driver" "$@" | tr -d '\r'; }
trace_lines() { grep -a -c -- "$1" "$log" || true; }
trace_has() { grep -a -q -- "$1" "$log"; }
shot() { import -window root "$screenshots/$1"; }
# Out of the way of the pictures: resting on the icon, the pointer brings up its tip.
park_pointer() { xdotool mousemove 1000 740; }

WINEDEBUG=+msg,+menu,+systray wine "$exe" 2>"$log" &
program=$!

wait_for "the icon in the notification area" trace_has "trace:systray:show_icon"
wait_for "Wine's notification area on the screen" xdotool search --onlyvisible --name "Wine System Tray"
read -r icon_x icon_y < <(driver icon)
click_icon() { xdotool mousemove "$icon_x" "$icon_y" click "$@"; }

read -r tray main < <(driver windows | sed 's/tray=\(\S*\) main=\(\S*\)/\1 \2/')
[ "$((tray))" -eq "$((16#$(grep -a -m1 'trace:systray:add_icon' "$log" | sed 's/.*hwnd=//')))" ] ||
  fail "the shell's icon belongs to another window than the hidden tray window $tray"
echo "tray window $tray, main form $main"

# Wine draws its own title bars when no window manager runs; such windows get the keyboard only
# when asked.
open_menu() {
  local shown
  shown=$(trace_lines NtUserTrackPopupMenuEx)
  click_icon 3
  wait_for "the popup menu" test "$(trace_lines NtUserTrackPopupMenuEx)" -gt "$shown"
  wait_for "the popup menu on the screen" xdotool search --onlyvisible --class quietpane.exe
  xdotool windowfocus "$(xdotool search --onlyvisible --class quietpane.exe | head -1)"
  sleep 0.5
}
about_box() { xdotool search --onlyvisible --name "^Information$"; }
no_about_box() { ! about_box; }

screensaver="NtUserPostMessage hwnd $main msg 112 (WM_SYSCOMMAND) wp f140 lp 0"
expect_screensaver_posts() {
  wait_for "$1: $2 screen-saver commands posted to the main form" \
    test "$(trace_lines "$screensaver")" -ge "$2"
}

click_icon 1
expect_screensaver_posts "a click on the icon" 1
click_icon --repeat 2 --delay 80 1
wait_for "the shell reporting a double click" trace_has "msg 401 (WM_USER+1) wp 0 lp 203"
# Up, double click, up: each posts the command.
expect_screensaver_posts "a double click on the icon" 4
driver notify 0x202
expect_screensaver_posts "the driver's click message" 5
driver notify 0x203
expect_screensaver_posts "the driver's double-click message" 6
echo "clicks post the screen-saver command"

menu_start=$(wc -l <"$log")
open_menu
menu_trace=$(tail -n +"$menu_start" "$log")
items=$(grep -a "set_menu_item_info to:" <<<"$menu_trace" | sed 's/.*to: { //; s/ *}$//')
expected='ID=0x1, Text=L"Bildschirmschoner zeigen"
ID=0x0, fType=sep
ID=0x2, Sub=SUB, fType=pop, Text=L"&Sprache"
ID=0x3, fType=radio, Text=L"Englisch"
ID=0x4, fType=radio, State=check, Text=L"Deutsch"
ID=0x0, fType=sep
ID=0x5, Text=L"Hilfe-Inhalt"
ID=0x6, Text=L"Information"
ID=0x0, fType=sep
ID=0x7, Text=L"Beenden"'
[ "$(sed 's/Sub=0x[0-9a-f]*/Sub=SUB/' <<<"$items")" = "$expected" ] ||
  fail "popup menu items differ:"$'\n'"$items"
grep -a -q "NtUserSetMenuDefaultItem (0x[0-9a-f]*,1,0)" <<<"$menu_trace" ||
  fail "Bildschirmschoner zeigen is not the default item"
# Down to "Sprache", open its submenu for the picture, back, down to "Information".
xdotool key Down Down Right
sleep 1
shot popup-menu.png
xdotool key Left Down Down Return
wait_for "the about box" about_box
park_pointer
sleep 1
shot about-box.png
read -r x y < <(driver center Information OK)
xdotool mousemove "$x" "$y" click 1
wait_for "the about box closing on OK" no_about_box
echo "the popup menu shows its items; Information opens the about box and OK closes it"

open_menu
xdotool key Up Up Return
wait_for "the about box again" about_box
xdotool windowfocus "$(about_box)"
sleep 0.5
xdotool key Return
wait_for "the about box closing on Return" no_about_box
echo "Return closes the about box too"

open_menu
xdotool key Up Up Up Return
help_viewer() { xdotool search --onlyvisible --name "^quietpane_g\.hlp$"; }
wait_for "the help viewer with the German help file" help_viewer
park_pointer
sleep 1
shot help.png
xdotool windowfocus "$(help_viewer)"
sleep 0.5
xdotool key alt+F4
no_help_viewer() { ! help_viewer; }
wait_for "the help viewer closing" no_help_viewer
echo "Hilfe-Inhalt shows the German help file"

open_menu
xdotool key Up Return
program_ended() { ! kill -0 "$program" 2>/dev/null; }
wait_for "Quietpane to end after Beenden" program_ended
status=0
wait "$program" || status=$?
[ "$status" -eq 0 ] || fail "Quietpane ended with exit code $status"
trace_has "Shell_NotifyIconW dwMessage = 2" &&
  grep -a -q -i -E "trace:systray:hide_icon id=0x0, hwnd=0*${tray#0x}\b" "$log" ||
  fail "the icon was not removed"
echo "Beenden removes the icon and ends Quietpane with exit code 0"
echo "screenshots: $screenshots/popup-menu.png $screenshots/about-box.png $screenshots/help.png"
