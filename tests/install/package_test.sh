# The Debian package built from the build tree ($1): lintian finds no error in it, its
# dependencies come with their versions, it holds exactly the expected files under
# /usr, and the program it holds, unpacked, starts in a window (of the class that its
# desktop entry names) to the menu and ends through menu item 10 with status 0. $2 is
# the X client that reads the window.
test_name=package
build=$(realpath "$1")
here=$(dirname "${BASH_SOURCE[0]}")
unpacked=$(mktemp -d)
cpack --config "$build/CPackConfig.cmake" -B "$unpacked/out" >"$unpacked/cpack.log" 2>&1 ||
  { cat "$unpacked/cpack.log"; rm -rf "$unpacked"; exit 1; }
deb=$(echo "$unpacked"/out/tablox_*.deb)
dpkg-deb -x "$deb" "$unpacked/root"
# The window checks run the unpacked program; the X client comes from the build tree.
source "$here/../xvfb/xvfb_lib.sh" "$unpacked/root/usr/bin/tablox"
source "$here/install_lib.sh"
xprobe=$2
trap 'cleanup; rm -rf "$unpacked"' EXIT

# Its warnings, if any, are shown for the record; an error fails the test.
lintian --fail-on error "$deb" 2>/dev/null | sed 's/^/lintian: /'
check "lintian finds no error" test "${PIPESTATUS[0]}" -eq 0
depends=$(dpkg-deb -f "$deb" Depends)
check "it depends on SDL with a version ($depends)" grep -q 'libsdl2-2.0-0 (>= [0-9]' <<<"$depends"
check "it depends on the C++ runtime with a version" grep -q 'libstdc++6 (>= [0-9]' <<<"$depends"
check "exactly the expected files, under /usr" same_files "$unpacked/root/usr"

start_xvfb
start_program
at_menu() { find_window && row_is 27 "Zadec cislo a stiskni ENTER"; }
wait_for 10 at_menu || abort "the packaged program did not show the menu"
# The desktop ties its launcher (and icon) to the window through the window's class.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$unpacked"/root/usr/share/applications/*.desktop)
check "the window's class is the desktop entry's StartupWMClass ($wm_class)" \
  grep -q "= \"$wm_class\", \"$wm_class\"$" <<<"$(xprop -id "$window" WM_CLASS)"
xdotool key --delay 15 1 0 Return
wait_for_exit 10
check "the packaged program ends through menu item 10 with status 0 (got $status)" \
  test "$status" -eq 0
check "the packaged program printed nothing" printed_nothing
finish package
