# Checks of installed files, shared by the install and package tests (which take the
# tally of checks from tests/xvfb/xvfb_lib.sh).
expected_files=$(dirname "${BASH_SOURCE[0]}")/installed_files.txt

# files_under DIR: the files and links below DIR, relative to it, sorted.
files_under() { (cd "$1" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort); }

# same_files DIR: the files below DIR are exactly the expected ones; shows the difference.
same_files() { diff <(LC_ALL=C sort "$expected_files") <(files_under "$1"); }

# silent COMMAND...: the command succeeds and prints nothing (for validators that warn
# but still succeed); shows what it printed otherwise.
silent() {
  local output
  output=$("$@" 2>&1) && [ -z "$output" ] && return 0
  echo "$output" | head -n 20
  return 1
}

# succeeds COMMAND...: the command succeeds; what it printed is shown only when not.
succeeds() {
  local output
  output=$("$@" 2>&1) && return 0
  echo "$output" | head -n 20
  return 1
}

# icon_sizes_right PREFIX: every PNG icon under hicolor/NxN is an N x N PNG image.
icon_sizes_right() {
  local png size
  for png in "$1"/share/icons/hicolor/*x*/apps/*.png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    file -b "$png" | grep -q "^PNG image data, ${size%x*} x ${size#*x}," && continue
    echo "$png: $(file -b "$png")"
    return 1
  done
}
