# On a wide screen without a window manager nothing carries out full screen: after
# Alt+Enter the window stays a window with the whole menu. Then under a window manager:
# Alt+Enter switches to full screen, where the picture is scaled with its aspect kept
# between black bars, and back to the 640x480 window; the window manager's close
# (Alt+F4 here) closes nothing.
test_name=fullscreen
source "$(dirname "${BASH_SOURCE[0]}")/xvfb_lib.sh"
start_xvfb 1280x720
size_is() { [ "$("$xprobe" size "$window")" = "$1" ]; }

start_program
wait_for 10 find_window || abort "no window named tablox appeared"
wait_for 5 row_is 27 "Zadec cislo a stiskni ENTER" || abort "the menu was not shown"
menu_text=$(screen_text)
xdotool key --delay 0 alt+Return 5
check "without a window manager the menu stays whole after Alt+Enter" \
  wait_for 5 row_is 28 "? 5"
check "without a window manager the window keeps its size" size_is "640 480"
xdotool key --delay 0 alt+Return BackSpace
menu_again() { [ "$(screen_text)" = "$menu_text" ]; }
check "after a second Alt+Enter the window shows the menu as before" wait_for 5 menu_again
xdotool key --delay 0 1 0 Return
wait_for_exit 5
check "menu item 10 still ends the program (status $status)" test "$status" -eq 0

start_window_manager
start_program
wait_for 10 find_window || abort "no window named tablox appeared"
menu=$window
has_keyboard() { [ "$(xdotool getwindowfocus)" = "$window" ]; }
check "the client area is 640x480 inside the frame" size_is "640 480"
check "the menu is shown" wait_for 5 row_is 27 "Zadec cislo a stiskni ENTER"
check "the window has the keyboard" wait_for 5 has_keyboard

xdotool key --delay 0 alt+Return
check "Alt+Enter fills the screen" wait_for 5 size_is "1280 720"
check "the full screen shows the menu scaled to 960x720" \
  wait_for 5 row_is 27 "Zadec cislo a stiskni ENTER"
check "the banner is read back from the scaled picture" test "$("$xprobe" cell "$window" 1 1)" = "84 11 text"
check "the bars left and right of the picture are black" test "$("$xprobe" bars "$window")" = 0
check "the left bar is 160 pixels wide" \
  test "$("$xprobe" pixel "$window" 159 10) $("$xprobe" pixel "$window" 1120 10)" = "0 0 0 0 0 0"
xdotool key --delay 0 5
check "keys typed in full screen arrive" wait_for 5 row_is 28 "? 5"

xdotool key --delay 0 alt+Return
check "Alt+Enter again gives the 640x480 window back" wait_for 5 size_is "640 480"
check "the window shows the menu with the typed key" wait_for 5 row_is 28 "? 5"

# The window manager turns Alt+F4 into a close request: the window stays.
xdotool key --delay 0 alt+F4
xdotool key --delay 0 6
check "after Alt+F4 the menu still reads keys" wait_for 5 row_is 28 "? 56"
check "after Alt+F4 the window is still there" test "$(program_windows)" = "$menu"
check "after Alt+F4 the program runs" program_alive
finish fullscreen
