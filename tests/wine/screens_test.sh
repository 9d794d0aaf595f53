# Screens of the Win32 window under Wine, each the in-memory back end's picture after the
# same keys, pixel for pixel: a calculation typed end to end (the sheet weight), item 1's
# cut listing, the ring's circles, the credits and the refusal of a piece larger than the
# sheet. One run of the program visits them all and ends through menu item 10.
test_name=wine_screens
source "$(dirname "${BASH_SOURCE[0]}")/wine_lib.sh"
start_xvfb
start_program
wait_for 20 find_window || abort "no window named tablox appeared"
wait_for 5 row_is 27 "Zadec cislo a stiskni ENTER" || abort "the menu was not shown"

typed="" # every key typed since the start, a line end for each ENTER
# visit NAME DESCRIPTION LINES...: types the lines, each followed by ENTER, and checks that
# the window then shows the in-memory picture after the same keys from the start.
visit() {
  local name=$1 description=$2 line
  shift 2
  for line in "$@"; do
    type_line "$line"
    typed+="$line"$'\n'
    sleep 0.1
  done
  expect_picture "$name" "$typed"
  find_window
  check_picture "$description" "$name"
}

visit weight "the sheet weight typed end to end: its result screen" 4 2000 1000 10 5 1
visit listing "item 1's cut listing" "" 1 400 100 250 500 50 1
visit ring "the ring's circles" "" 7 1000 200 10
visit credits "the credits" "" 11
visit refusal "the refusal of a piece wider than the sheet" "" 2 1200 3 1000 1
visit again "the strip count's empty screen again after the refusal" ""

for line in 300 10 1000 1 "" 10; do type_line "$line"; sleep 0.1; done
wait_for_exit 10
check "menu item 10 ends the program with status 0" test "$status" -eq 0
check "the program printed nothing" printed_nothing
finish wine_screens
