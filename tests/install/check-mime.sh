#!/usr/bin/env bash
# Checks that the desktop recognises a saved game by its name and offers the game for it,
# against a private XDG data folder: usage ROOT PREFIX APPID
set -euo pipefail
. "$(dirname "$0")/lib.sh"
need update-mime-database update-desktop-database xdg-mime mimetype
share=$1$2/share appid=$3

xdg=$(mktemp -d)
trap 'rm -rf "$xdg"' EXIT
mkdir -p "$xdg/home" "$xdg/data/mime/packages" "$xdg/data/applications" "$xdg/games"
cp "$share/mime/packages/vantry.xml" "$xdg/data/mime/packages/"
cp "$share/applications/$appid.desktop" "$xdg/data/applications/"
# Both tools warn that the private folder is not on the search path; they are told it below.
out=$(update-mime-database "$xdg/data/mime" 2>&1) || { echo "$out" >&2; fail "update-mime-database"; }
out=$(update-desktop-database "$xdg/data/applications" 2>&1) || { echo "$out" >&2; fail "update-desktop-database"; }
# Plain text inside, so only the glob can tell it apart from any other text file.
printf '1\n2\n' > "$xdg/games/Sunday game.vty"
printf '1\n2\n' > "$xdg/games/notes.txt"

query() {
  env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID \
    HOME="$xdg/home" XDG_DATA_HOME="$xdg/home/.local/share" XDG_CONFIG_HOME="$xdg/home/.config" \
    XDG_DATA_DIRS="$xdg/data:/usr/share" xdg-mime query "$@"
}
while IFS='|' read -r file type; do
  got=$(query filetype "$xdg/games/$file") || true
  [ "$got" = "$type" ] || fail "$file is seen as '$got', not $type"
done <<TABLE
Sunday game.vty|application/x-vantry-game
notes.txt|text/plain
TABLE
got=$(query default application/x-vantry-game) || true
[ "$got" = "$appid.desktop" ] || fail "saved games open with '$got', not $appid.desktop"
finish
