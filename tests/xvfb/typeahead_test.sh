# Keys typed in one burst across a screen change all arrive: the new window takes the
# keyboard before the old one goes, and the key buffer outlives both.
test_name=typeahead
source "$(dirname "${BASH_SOURCE[0]}")/xvfb_lib.sh"
start_xvfb

# Starts the program and waits for its menu; sets $menu to the menu's window.
start_at_menu() {
  start_program
  wait_for 10 find_window || abort "no window named tablox appeared"
  menu=$window
  wait_for 5 row_is 27 "Zadec cislo a stiskni ENTER" || abort "the menu was not shown"
}

# The sheet weight screen (menu item 4) in a new window asks for the sheet's length
# (row 7) with `$1` typed on the input row below.
length_typed() {
  find_window "$menu" && row_is 7 " Zadej delku tabule v mm" &&
    [ "$(row_text 8 | sed 's/ *$//')" = "? $1" ]
}
menu_gone() { ! program_windows | grep -qx "$menu"; }

# 4, ENTER and 1 without a pause: the 1 is typed before the menu has even read the 4.
start_at_menu
xdotool key --delay 0 4 Return 1
check "a key typed with the choice reaches the next screen" wait_for 5 length_typed "1"
check "the menu's window has gone" wait_for 5 menu_gone

# Ctrl+C in the window is an ordinary key; a termination signal from outside ends the
# program at once by default (SDL would otherwise catch it and carry on).
xdotool key --delay 0 ctrl+c
kill -TERM "$program_pid"
wait_for_exit 5
check "a termination signal ends the program at once (status 143)" test "$status" -eq 143

# The choice and thirteen digits a few milliseconds apart, so that they keep coming
# while one window closes and the next opens.
start_at_menu
xdotool key --delay 4 4 Return 1 2 3 4 5 6 7 8 9 0 1 2 3
check "keys typed while the window changes all arrive, in order" \
  wait_for 5 length_typed "1234567890123"
check "the program still runs" program_alive
kill "$program_pid"
wait_for_exit 5

# The credits, their pause and the end, typed in one go: every screen change keeps what
# was typed ahead, and item 10 ends the program.
start_at_menu
xdotool type --delay 0 11
xdotool key --delay 0 Return Return
xdotool type --delay 0 10
xdotool key --delay 0 Return
wait_for_exit 10
check "11, Return, Return, 10, Return typed at once end the program (status $status)" \
  test "$status" -eq 0
finish typeahead
