# Shared steps of the tests of the Win32 window under Wine, sourced by tests/wine/*_test.sh
# with tablox.exe as $1, the Wine prefix as $2 and the Linux build as $3: those of
# tests/xvfb/xvfb_lib.sh (with the Linux build's xprobe), the program started under Wine,
# and the in-memory back end's pictures (the Linux build's memory_picture) to compare
# the window with.
#
# Wine is told to leave the windows to no window manager (tests/wine/wine_run.sh): it
# then draws their caption and border into the X window, which xprobe leaves out
# (XPROBE_FRAMED), and gives the keyboard to the window that the program brings to the
# front at once, as Windows does. (Through a window manager the keyboard follows a
# moment later, and keys typed in that moment can reach no window at all.)
wine_dir=$(realpath "$(dirname "${BASH_SOURCE[0]}")")
native_build=$(realpath "$3")
export XPROBE=$native_build/tests/xprobe XPROBE_FRAMED=1
memory_picture=$native_build/tests/memory_picture
source "$wine_dir/../xvfb/xvfb_lib.sh" "$1"
export WINEPREFIX
WINEPREFIX=$(realpath -m "$2")
[ -x "$memory_picture" ] || abort "memory_picture is not built in $native_build"
"$wine_dir/wine_run.sh" "$WINEPREFIX" || abort "no Wine prefix in $WINEPREFIX"
runner=("$wine_dir/wine_run.sh" "$WINEPREFIX")
# Wine finds a window before it is mapped.
only_visible=--onlyvisible
# Wine's processes of the test (its server, its desktop process) end with it, before its
# X server does.
before_cleanup() { wineserver --kill 2>/dev/null; }

# expect_picture NAME TYPED: the picture of the in-memory back end once the program has
# read the keys TYPED from its start (a line end for each ENTER), kept as NAME.
expect_picture() {
  "$memory_picture" "$workdir/$1.expected" "$2" || abort "no in-memory picture for $1"
}
# shows_picture NAME: the window shows the picture NAME, pixel for pixel.
shows_picture() {
  "$xprobe" picture "$window" >"$workdir/shown" 2>/dev/null &&
    cmp -s "$workdir/shown" "$workdir/$1.expected"
}
# pixels_differ NAME: how many pixels of the window last read differ from NAME.
pixels_differ() { cmp -l "$workdir/shown" "$workdir/$1.expected" 2>/dev/null | wc -l; }
# check_picture DESCRIPTION NAME: waits for the window to show NAME, reporting how many
# pixels differ when it does not.
check_picture() {
  if wait_for 10 shows_picture "$2"; then
    check "$1" true
  else
    check "$1 ($(pixels_differ "$2") pixels differ)" false
  fi
}

# Types one line and ENTER, the keys a few milliseconds apart, as an operator types.
type_line() {
  [ -n "$1" ] && xdotool type --delay 15 -- "$1"
  xdotool key --delay 15 Return
}
