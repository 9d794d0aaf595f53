#!/usr/bin/env bash
# The operator's guide as one HTML page for Windows, beside its pictures:
#   guide_html.sh GUIDE_MD OUTPUT_DIR VERSION
# writes OUTPUT_DIR/guide.html (cmark-gfm's rendering of the Markdown in a page of its
# own) and OUTPUT_DIR/images/, the pictures it shows.
set -euo pipefail
guide=$1 out=$2 version=$3
mkdir -p "$out/images"
cp "$(dirname "$guide")"/images/*.png "$out/images/"
{
  cat <<EOT
<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>TABLOX $version: the operator's guide</title>
<style>
body { max-width: 48em; margin: 2em auto; padding: 0 1em; font-family: sans-serif; line-height: 1.45; }
img { max-width: 100%; image-rendering: pixelated; border: 1px solid #888; }
code, pre { font-family: Consolas, monospace; }
table { border-collapse: collapse; } td, th { border: 1px solid #aaa; padding: 0.2em 0.5em; }
</style>
</head>
<body>
EOT
  cmark-gfm --extension table --extension autolink "$guide"
  echo '</body>'
  echo '</html>'
} >"$out/guide.html"
