#!/usr/bin/env bash
# The icon renderer must fail loudly, and leave nothing behind, when it cannot do its work;
# otherwise a build would install empty icons. Usage: RENDERICON GOOD.svg
set -euo pipefail
. "$(dirname "$0")/lib.sh"
render=$1 good=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo 'not a drawing' > "$work/text.svg"

while IFS='|' read -r what input size; do
  rm -f "$work/out.png"
  if "$render" "$input" "$work/out.png" "$size" 2>/dev/null; then
    fail "$what: reported success"
  fi
  [ ! -e "$work/out.png" ] || fail "$what: wrote a file"
done <<TABLE
missing drawing|$work/none.svg|32
not SVG|$work/text.svg|32
size zero|$good|0
size not a number|$good|big
size too large|$good|5000
TABLE
"$render" "$good" "$work/no-such-folder/out.png" 32 2>/dev/null && fail "unwritable output: reported success"

"$render" "$good" "$work/ok.png" 48 || fail "a good drawing did not render"
[ "$(png_size "$work/ok.png")" = 48x48 ] || fail "rendered $(png_size "$work/ok.png"), not 48x48"
finish
