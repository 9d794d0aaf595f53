# A tour of the whole menu in the real window: every item 1 to 9 and 11 is entered,
# answered and left with ENTER, then item 10 ends the program with status 0.
test_name=tour
source "$(dirname "${BASH_SOURCE[0]}")/xvfb_lib.sh"
start_xvfb
start_program
wait_for 10 find_window || abort "no window named tablox appeared"

at_menu() { find_window && row_is 27 "Zadec cislo a stiskni ENTER"; }
paused() { find_window && row_text 28 | grep -q "klavesou ENTER"; }
# shows TEXT: the current window shows TEXT somewhere.
shows() { find_window && screen_text | grep -qF -- "$1"; }
# Types one line and ENTER. Keys go a few milliseconds apart, as an operator types.
type_line() {
  [ -n "$1" ] && xdotool type --delay 15 -- "$1"
  xdotool key --delay 15 Return
}

# visit ITEM RESULT LINES...: chooses ITEM, types LINES, checks that the result screen
# shows RESULT above the closing pause, and goes back to the menu with ENTER.
visit() {
  local item=$1 result=$2 line
  shift 2
  wait_for 10 at_menu || abort "the menu did not come back before item $item"
  type_line "$item"
  for line in "$@"; do
    sleep 0.1
    type_line "$line"
  done
  check "item $item shows its result" wait_for 10 paused
  check "item $item: $result" shows "$result"
  type_line ""
}

visit 1 "Uspora materialu" 400 100 250 500 50 1
visit 2 "Sirka tvaru B" 300 10 1000 1
visit 3 "Z jedne tabule vyrobis  33 KS" 300 200 100 2000 1000 3 1
visit 4 "Celkova hmotnost 0.787 TUN" 2000 1000 10 5 1
visit 5 "Tvary se vejdou na plech. Rezerva mezi tvary je:  100 mm" 1000 300 600 80 200
visit 6 "Strana B2 zasahuje do spodniho tvaru. Chybi ti: " 1000 300 0 80 80 500 50 250
visit 7 "Celkova hmotnost KOLA 59.33835 Kg" 1000 200 10
visit 8 "Vnejsi prumer kola bude  1287.572 mm" 100 200 10
visit 9 " 512.9911  362.7395" 100 10
wait_for 10 at_menu || abort "the menu did not come back before the credits"
type_line 11
credits_done() { paused && [ "$("$xprobe" cell "$window" 13 25)" = "80 12 text" ]; }
check "the credits end in colour 12" wait_for 10 credits_done
type_line ""

check "the menu is back after the tour" wait_for 10 at_menu
type_line 10
wait_for_exit 10
check "menu item 10 ends the program with status 0" test "$status" -eq 0
check "the program printed nothing" printed_nothing
finish tour
