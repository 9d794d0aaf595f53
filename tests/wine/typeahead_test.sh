# Keys typed into the Win32 window in bursts across screen changes all arrive, in order:
# the new window takes the keyboard before the old one goes, keys still queued for the
# old one are handed on, and the key buffer outlives both.
test_name=wine_typeahead
source "$(dirname "${BASH_SOURCE[0]}")/wine_lib.sh"
start_xvfb

start_at_menu() {
  start_program
  wait_for 20 find_window || abort "no window named tablox appeared"
  menu=$window
  wait_for 5 row_is 27 "Zadec cislo a stiskni ENTER" || abort "the menu was not shown"
}
# The sheet weight screen (menu item 4) asks for the sheet's length with `$1` typed.
length_typed() {
  find_window "$menu" && row_is 7 " Zadej delku tabule v mm" &&
    [ "$(row_text 8 | sed 's/ *$//')" = "? $1" ]
}

# The choice and thirteen digits a few milliseconds apart, so that they keep coming
# while one window closes and the next opens.
start_at_menu
xdotool key --delay 4 4 Return 1 2 3 4 5 6 7 8 9 0 1 2 3
check "keys typed while the window changes all arrive, in order" \
  wait_for 5 length_typed "1234567890123"
menu_gone() { ! program_windows | grep -qx "$menu"; }
check "the menu's window has gone" wait_for 5 menu_gone
kill "$program_pid"
wait_for_exit 5

# The credits, their pause and the end, typed in one go.
start_at_menu
xdotool type --delay 0 11
xdotool key --delay 0 Return Return
xdotool type --delay 0 10
xdotool key --delay 0 Return
wait_for_exit 10
check "11, Return, Return, 10, Return typed at once end the program (status $status)" \
  test "$status" -eq 0
finish wine_typeahead
