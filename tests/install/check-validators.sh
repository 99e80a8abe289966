#!/usr/bin/env bash
# Runs the desktop's own validators on the installed files: usage ROOT PREFIX APPID
set -euo pipefail
. "$(dirname "$0")/lib.sh"
need desktop-file-validate appstreamcli
share=$1$2/share appid=$3

# Hints count too: a missing main category, for one, hides the game from the Games menu.
report=$(desktop-file-validate "$share/applications/$appid.desktop" 2>&1) || fail "desktop-file-validate"
[ -z "$report" ] || fail "desktop-file-validate: $report"
appstreamcli validate --no-net --explain "$share/metainfo/$appid.metainfo.xml" ||
  fail "appstreamcli validate"
grep -qx 'Exec=vantry %u' "$share/applications/$appid.desktop" || fail "Exec line"

# A broken page shows up as warnings from the formatter, which man passes on to stderr.
if command -v man >/dev/null; then
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$share/man/man6/vantry.6.gz" 2>&1 >/dev/null) ||
    fail "man cannot format the page"
  [ -z "$warnings" ] || fail "the manual page has formatting warnings: $warnings"
  LC_ALL=C.UTF-8 man -l "$share/man/man6/vantry.6.gz" 2>/dev/null | grep -q '^NAME' ||
    fail "the manual page has no NAME section"
fi
finish
