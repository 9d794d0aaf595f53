# The real window under Xvfb without a window manager: its size and place, the keyboard,
# the menu in its colours, the close request and Alt+F4 that close nothing, and the end
# through menu item 10.
test_name=window
source "$(dirname "${BASH_SOURCE[0]}")/xvfb_lib.sh"
start_xvfb
start_program
wait_for 10 find_window || abort "no window named tablox appeared"
menu=$window

geometry() { xwininfo -id "$window" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
  /Width/{w=$NF} /Height/{h=$NF} END{print x, y, w, h}'; }
check "the client area is 640x480, centred on the 1024x768 screen" \
  test "$(geometry)" = "192 144 640 480"
check "the menu is shown" wait_for 5 row_is 27 "Zadec cislo a stiskni ENTER"
check "row 1 holds the banner" \
  test "$(row_text 1)" = "$(printf '%-50s%s' 'TABLOX version 2.0' '(c) P. Hrubec 1998 - 2004')"
check "the banner's first letter is a T in colour 11" test "$("$xprobe" cell "$window" 1 1)" = "84 11 text"
check "the banner's pixels are light cyan (85,255,255)" \
  test "$(for x in $(seq 0 7); do "$xprobe" pixel "$window" "$x" 3; done | sort -u | grep -v '^0 0 0$')" = "85 255 255"
check "the window has the keyboard" test "$(xdotool getwindowfocus)" = "$window"

# The close box writes a key code that the line editor ignores; the window stays.
"$xprobe" close "$window"
xdotool key --delay 0 7
check "after the close box the menu still reads keys" wait_for 5 row_is 28 "? 7"
check "after the close box the program runs" program_alive
check "after the close box the window is still there" test "$(program_windows)" = "$menu"
# Alt+F4 writes nothing and closes nothing.
xdotool key --delay 0 alt+F4 8
check "after Alt+F4 the menu still reads keys" wait_for 5 row_is 28 "? 78"
check "after Alt+F4 the window is still there" test "$(program_windows)" = "$menu"
# Typed text: Alt with a character key types nothing, Shift types the layout's character.
xdotool key --delay 0 alt+9 shift+9
check "Alt+9 types nothing, Shift+9 a bracket" wait_for 5 row_is 28 "? 78("

# Menu item 10 ends the program with status 0, closing the window, printing nothing.
xdotool key --delay 0 Escape 1 0
check "Esc clears the typed line" wait_for 5 row_is 28 "? 10"
xdotool key --delay 0 Return
wait_for_exit 10
check "menu item 10 ends the program with status 0" test "$status" -eq 0
check "the program printed nothing" printed_nothing
check "no window is left" test -z "$(program_windows)"
finish window
