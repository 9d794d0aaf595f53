# The end signals in the real window: SIGTERM, SIGINT and SIGHUP, while the menu waits
# for its choice and while a calculation waits for a value, close the window and end
# the program by that signal, printing nothing (in the sanitizer build: no report, the
# leak check included). The one started in the background under nohup keeps running
# through SIGHUP and still ends through menu item 10.
test_name=exit_paths
source "$(dirname "${BASH_SOURCE[0]}")/xvfb_lib.sh"
start_xvfb

at_menu() { find_window && row_is 27 "Zadec cislo a stiskni ENTER"; }
value_typed() { find_window && row_is 8 "? 12"; }
# As start_program, but with SIGINT at its default action: the shell starts background
# commands with SIGINT ignored, and the program keeps a signal ignored that it inherits.
start_program_interruptible() {
  xdotool mousemove 0 0
  env --default-signal=INT "$tablox" >"$workdir/stdout" 2>"$workdir/stderr" &
  program_pid=$!
}
# ended_by SIGNAL: the program ended by SIGNAL (the shell's 128 + its number).
ended_by() { test "$status" -eq $((128 + $(kill -l "$1"))); }

for signal in TERM INT HUP; do
  for place in menu calculation; do
    start_program_interruptible
    wait_for 10 at_menu || abort "the menu did not appear before SIG$signal"
    if [ "$place" = calculation ]; then
      xdotool key --delay 15 4 Return 1 2
      wait_for 10 value_typed || abort "the sheet weight did not take its value"
    fi
    kill -s "$signal" "$program_pid"
    wait_for_exit 10
    check "SIG$signal at the $place ends the program by that signal (status $status)" \
      ended_by "$signal"
    check "SIG$signal at the $place leaves no window" test -z "$(program_windows)"
    check "SIG$signal at the $place prints nothing" printed_nothing
  done
done

# Ignored when the program starts (nohup), SIGHUP stays ignored.
xdotool mousemove 0 0
nohup "$tablox" >"$workdir/stdout" 2>"$workdir/stderr" </dev/null &
program_pid=$!
wait_for 10 at_menu || abort "the menu did not appear under nohup"
kill -s HUP "$program_pid"
xdotool key --delay 15 7
menu_typed() { find_window && row_is 28 "? 7"; }
check "under nohup SIGHUP leaves the program running" wait_for 5 menu_typed
xdotool key --delay 15 Escape 1 0 Return
wait_for_exit 10
check "under nohup menu item 10 still ends the program with status 0" test "$status" -eq 0
check "under nohup the program printed nothing" printed_nothing
finish exit_paths
