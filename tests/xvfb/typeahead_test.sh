# Keys typed in one burst across a screen change all arrive: the new window takes the
# keyboard before the old one goes, and the key buffer outlives both.
test_name=typeahead
source "$(dirname "${BASH_SOURCE[0]}")/xvfb_lib.sh"
start_xvfb
start_program
wait_for 10 find_window || abort "no window named tablox appeared"
menu=$window
wait_for 5 row_is 27 "Zadec cislo a stiskni ENTER" || abort "the menu was not shown"

# The next screen shows what was typed ahead as the end of an input line below its banner.
typed_line_ends_with() {
  find_window "$1" && screen_text | sed -n '4,30p' | sed 's/ *$//' | grep -q -- "$2\$"
}

# 4, ENTER and 1 without a pause: the 1 is typed before the menu has even read the 4.
xdotool key --delay 0 4 Return 1
check "a key typed with the choice reaches the next screen" wait_for 5 typed_line_ends_with "$menu" "1"
check "the menu's window has gone" wait_for 5 bash -c "! xdotool search --name '^tablox\$' | grep -qx $menu"
first=$window

# ENTER back to the menu, then the choice and thirteen digits a few milliseconds apart,
# so that they keep coming while one window closes and the next opens.
xdotool key --delay 0 BackSpace Return
wait_for 5 find_window "$first" || abort "the menu did not come back"
menu=$window
xdotool key --delay 4 4 Return 1 2 3 4 5 6 7 8 9 0 1 2 3
check "keys typed while the window changes all arrive, in order" \
  wait_for 5 typed_line_ends_with "$menu" "1234567890123"
check "the program still runs" program_alive

# Ctrl+C in the window is an ordinary key; a termination signal from outside ends the
# program at once by default (SDL would otherwise catch it and carry on).
xdotool key --delay 0 ctrl+c
kill -TERM "$program_pid"
wait_for 5 bash -c "! kill -0 $program_pid 2>/dev/null" || kill -KILL "$program_pid"
wait "$program_pid"
status=$?
program_pid=
check "a termination signal ends the program at once (status 143)" test "$status" -eq 143
finish typeahead
