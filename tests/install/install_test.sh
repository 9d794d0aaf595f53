# Installing from the build tree ($1) into a staging directory: exactly the expected
# files land under the prefix, the desktop entry and the metainfo pass their validators,
# the manual page formats without a warning and the icons have their sizes.
test_name=install
build=$(realpath "$1")
source "$(dirname "${BASH_SOURCE[0]}")/../xvfb/xvfb_lib.sh" "$build/tablox"
source "$(dirname "${BASH_SOURCE[0]}")/install_lib.sh"
prefix=$workdir/usr/local
DESTDIR=$workdir cmake --install "$build" --prefix /usr/local >/dev/null || abort "the install failed"

check "exactly the expected files are installed" same_files "$prefix"
desktop=$(echo "$prefix"/share/applications/*.desktop)
check "desktop-file-validate passes the desktop entry" silent desktop-file-validate "$desktop"
check "the desktop entry starts the installed program" grep -qx "Exec=tablox" "$desktop"
icon=$(sed -n 's/^Icon=//p' "$desktop")
check "the desktop entry's icon is installed" \
  test -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg"
# The tree: the metainfo itself, and the desktop entry that it names as its launchable.
check "appstreamcli validates the metainfo and the tree" \
  succeeds appstreamcli validate-tree --no-net "$prefix"
check "the manual page formats without a warning" \
  silent bash -c "zcat '$prefix/share/man/man1/tablox.1.gz' | groff -man -ww -z"
check "every PNG icon has the size of its folder" icon_sizes_right "$prefix"
finish install
