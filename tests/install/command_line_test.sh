# The command line of the program ($1, whose version is $2): --help and --version print
# their text and end with status 0 without a display; a text that cannot be written
# ends with status 1; any other argument is ignored and the program opens as usual.
test_name=command_line
source "$(dirname "${BASH_SOURCE[0]}")/../xvfb/xvfb_lib.sh"
version=$2

# run_without_display ARGUMENT...: runs the program without any display, setting $status.
run_without_display() {
  DISPLAY= WAYLAND_DISPLAY= timeout 20 "$tablox" "$@" >"$workdir/stdout" 2>"$workdir/stderr" \
    </dev/null
  status=$?
}

run_without_display --version
check "--version ends with status 0 (got $status)" test "$status" -eq 0
check "--version prints the name and the version" \
  test "$(cat "$workdir/stdout")" = "tablox $version"
check "--version prints nothing on the standard error" test ! -s "$workdir/stderr"

run_without_display ignored --help --version
check "--help ends with status 0 (got $status)" test "$status" -eq 0
check "--help prints the usage" grep -qx 'Usage: tablox \[--help | --version\]' "$workdir/stdout"
check "--help names the manual" grep -qx 'The manual: man tablox' "$workdir/stdout"
check "--help prints nothing on the standard error" test ! -s "$workdir/stderr"

DISPLAY= timeout 20 "$tablox" --version >/dev/full 2>"$workdir/stderr" </dev/null
status=$?
check "--version to a full disk ends with status 1 (got $status)" test "$status" -eq 1
check "--version to a full disk says so" \
  grep -qx 'tablox: cannot write to the standard output: No space left on device' "$workdir/stderr"

start_xvfb
xdotool mousemove 0 0
"$tablox" --unknown -v >"$workdir/stdout" 2>"$workdir/stderr" &
program_pid=$!
at_menu() { find_window && row_is 27 "Zadec cislo a stiskni ENTER"; }
check "with other arguments the program shows the menu" wait_for 10 at_menu
xdotool key --delay 15 1 0 Return
wait_for_exit 10
check "with other arguments menu item 10 ends it with status 0 (got $status)" test "$status" -eq 0
check "with other arguments the program printed nothing" printed_nothing
finish command_line
