# The console under Wine (its console in a terminal of tmux): the program clears the
# rows of the console that are visible once at the start, and Ctrl+C typed there ends it
# the orderly way (its window closed first) with the status of a Ctrl+C on Windows,
# STATUS_CONTROL_C_EXIT (0xC000013A, of which the exit status keeps 0x3A).
test_name=wine_console
source "$(dirname "${BASH_SOURCE[0]}")/wine_lib.sh"
command -v tmux >/dev/null || abort "tmux is not installed (make test-windows installs it)"
start_xvfb
socket="tablox-wine-console-$$"
before_cleanup() {
  tmux -L "$socket" kill-server 2>/dev/null
  wineserver --kill 2>/dev/null
}
pane() { tmux -L "$socket" capture-pane -p -t console; }
tmux -L "$socket" -f /dev/null new-session -d -s console -x 80 -y 30 "bash --norc --noprofile"
tmux -L "$socket" send-keys -t console \
  "seq 1 40; $(printf '%q ' "${runner[@]}" "$tablox"); echo status=\$?" Enter
wait_for 20 find_window || abort "no window named tablox appeared"
cleared() { [ -z "$(pane | tr -d ' \n')" ]; }
check "the console's visible rows are cleared" wait_for 5 cleared
tmux -L "$socket" send-keys -t console C-c
# The terminal echoes the ^C before the shell writes the status.
ended() { pane | grep -q 'status='; }
wait_for 10 ended
check "Ctrl+C in the console ends the program with the status of Ctrl+C" \
  test "$(pane | grep -o 'status=[0-9]*')" = "status=58"
check "no window is left" test -z "$(program_windows)"
finish wine_console
