# The setup that make windows-package puts beside tablox.exe ($1), under Wine on an Xvfb
# of its own in the Wine prefix $2, with the Linux build $3 reading the window. Installed
# silently, twice (the second time over the first, whose uninstaller must leave a file of
# the user's alone), it leaves the program's files, a Start menu entry and an uninstall
# key with the program's version; the program started through the entry is the installed
# one, shows the menu pixel for pixel and ends through menu item 10 with status 0; the
# silent uninstaller leaves no file, folder, entry or key.
test_name=wine_setup
source "$(dirname "${BASH_SOURCE[0]}")/wine_lib.sh"
wine() { "${runner[@]}" "$@"; }
version=$(wine "$tablox" --version | sed -n 's/^tablox \([^\r]*\)\r*$/\1/p')
setup=$(dirname "$tablox")/tablox-$version-setup.exe
[ "$setup" -nt "$tablox" ] || abort "no $setup newer than the program: make windows-package"

folder="$WINEPREFIX/drive_c/Program Files/TABLOX"
entry='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\TABLOX.lnk'
entry_file="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/TABLOX.lnk"
guide_entry_file="${entry_file%.lnk} guide.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\TABLOX'
no_key() { ! wine reg query "$key" >/dev/null 2>&1; }
key_value() { # the value NAME of the key, as reg shows it
  wine reg query "$key" /v "$1" 2>/dev/null | sed -n "s/^ *$1 *REG_[A-Z]* *\(.*\)\r$/\1/p"
}
# What a run that ended half-way left in the prefix goes first.
rm -rf "$folder" "$entry_file"
wine reg delete "$key" /f >/dev/null 2>&1

start_xvfb
expect_picture menu ""
check "the setup installs silently" wine "$setup" /S
[ -d "$folder" ] || abort "nothing was installed in $folder"
echo "a note of the user's" >"$folder/notes.txt"
check "installed again over itself, silently" wine "$setup" /S
check "the first installation's uninstaller left the user's file" test -f "$folder/notes.txt"
rm "$folder/notes.txt"
check "the folder holds the program, its licence, read-me, guide and uninstaller" \
  test "$(ls "$folder" | tr '\n' ' ')" = "LICENSE.txt README.txt guide tablox.exe uninstall.exe "
check "the guide's page shows every picture it names, all installed" \
  test "$(grep -o 'src="images/[^"]*"' "$folder/guide/guide.html" | sort -u | wc -l)" -eq \
  "$(ls "$folder/guide/images" | wc -l)"
check "the guide's Start menu entry is there" test -f "$guide_entry_file"
check "every line of the read-me ends in CR LF" \
  test "$(grep -c $'\r$' "$folder/README.txt")" -eq "$(wc -l <"$folder/README.txt")"
check "the Start menu entry is there" test -f "$entry_file"
check "the uninstall key has the program's version ($version)" \
  test "$(key_value DisplayVersion)" = "$version"

# Started as the Start menu starts it: the program is the installed one, in its window.
xdotool mousemove 0 0
wine start /wait "$entry" >"$workdir/stdout" 2>"$workdir/stderr" &
program_pid=$!
wait_for 20 find_window || abort "no window named tablox appeared"
# Wine names its processes by their Windows path.
started=$(tr '\0' '\n' <"/proc/$(xdotool getwindowpid "$window")/cmdline" | head -n1)
check "the entry started the installed program ($started)" \
  test "$started" = 'C:\Program Files\TABLOX\tablox.exe'
check_picture "the menu is the in-memory back end's picture, pixel for pixel" menu
type_line 10
wait_for_exit 10
check "menu item 10 ends it with status 0 (got $status)" test "$status" -eq 0
# Wine reports the end before the program's process has gone, and until then the
# program's file cannot be deleted; Windows frees it with the end.
wineserver -w

# Removed as Apps removes it without a window: the uninstaller copies itself away, starts
# the copy and ends; the copy is done when the prefix's last program has ended.
quiet=$(key_value QuietUninstallString)
check "the quiet uninstall command is the uninstaller with /S ($quiet)" \
  test "$quiet" = '"C:\Program Files\TABLOX\uninstall.exe" /S'
wine 'C:\Program Files\TABLOX\uninstall.exe' /S
wineserver -w
check "no file or folder is left" test ! -e "$folder"
check "no Start menu entry is left" test ! -e "$entry_file" -a ! -e "$guide_entry_file"
check "no uninstall key is left" no_key
finish wine_setup
