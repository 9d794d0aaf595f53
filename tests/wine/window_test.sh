# The Win32 window under Wine: the menu's picture, size, title and icon, the keyboard
# taken; the close box and Alt+F4 that change nothing; Alt+Enter and the maximise box to
# full screen (the picture a whole multiple, centred on black) and back; menu item 10,
# which ends the program with status 0.
test_name=wine_window
source "$(dirname "${BASH_SOURCE[0]}")/wine_lib.sh"
start_xvfb 1600x960
expect_picture menu ""
expect_picture typed "7"
start_program
wait_for 20 find_window || abort "no window named tablox appeared"
menu=$window

check_picture "the menu is the in-memory back end's picture, pixel for pixel" menu
check "the client area is 640x480" test "$("$xprobe" size "$window")" = "640 480"
check "the title is the program's file name without its extension" \
  test "$(xdotool getwindowname "$window")" = tablox
check "the window carries the program's icon" \
  bash -c "xprop -id $window _NET_WM_ICON | grep -q 'Icon ('"
has_keyboard() { [ "$(xdotool getwindowfocus)" = "$window" ]; }
check "the window has the keyboard" wait_for 5 has_keyboard

# The close box writes a key code that the line editor ignores; Alt+F4 writes nothing.
"$xprobe" close "$window"
xdotool key --delay 0 alt+F4 7
check_picture "after the close box and Alt+F4 the menu has only the 7 typed" typed
check "the window is still there" test "$(program_windows)" = "$menu"
check "the program runs" program_alive

size_is() { [ "$("$xprobe" size "$window")" = "$1" ]; }
xdotool key --delay 0 alt+Return
check "Alt+Enter fills the screen" wait_for 5 size_is "1600 960"
check "full screen shows the picture twice as large, centred" \
  wait_for 5 row_is 28 "? 7"
check "every pixel of the picture is a 2x2 square" test "$("$xprobe" squares "$window" 2)" = 0
check "the bars beside the picture are black" test "$("$xprobe" bars "$window")" = 0
xdotool key --delay 0 alt+Return
check "Alt+Enter again gives the 640x480 window back" wait_for 5 size_is "640 480"
# The caption's buttons as Wine draws them, at the right end: maximise, then close.
width=$(xwininfo -id "$window" | awk '/Width:/ {print $NF}')
xdotool mousemove --window "$window" $((width - 32)) 11 click 1
check "the maximise box fills the screen too" wait_for 5 size_is "1600 960"
xdotool key --delay 0 alt+Return
check "and Alt+Enter gives the window back" wait_for 5 size_is "640 480"
xdotool mousemove --window "$window" $((width - 16)) 11 click 1
check_picture "after a click on the close box the window shows the menu as before" typed
check "and the program runs" program_alive

xdotool key --delay 0 BackSpace
type_line 10
wait_for_exit 10
check "menu item 10 ends the program with status 0" test "$status" -eq 0
check "the program printed nothing" printed_nothing
check "no window is left" test -z "$(program_windows)"
finish wine_window
