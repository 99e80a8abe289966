#!/usr/bin/env bash
# Checks the Debian package: its file list, ownership, control fields, the program binary and
# lintian's verdict. Usage: check-package.sh PACKAGE.deb [VERSION_H of the tree it was built from]
set -euo pipefail
here=$(dirname "$0")
. "$here/lib.sh"
need dpkg-deb lintian readelf
deb=$1 version_h=${2:-}

want=$(grep -v '^#' "$here/expected-package.txt" | sort)
have=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
if [ "$want" != "$have" ]; then
  fail "package files differ from the expected list (< expected, > packaged):"
  diff <(echo "$want") <(echo "$have") >&2 || true
fi
notroot=$(dpkg-deb -c "$deb" | awk '$2 != "root/root"')
[ -z "$notroot" ] || fail "entries not owned by root: $notroot"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = vantry ] || fail "Package is '$(field Package)'"
[ "$(field Section)" = games ] || fail "Section is '$(field Section)'"
for dep in qt6-qpa-plugins libqt6svg6 libqt6multimedia6 libqt6core6 libc6; do
  field Depends | tr ',' '\n' | grep -q "^ *$dep\b" || fail "Depends lacks $dep"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work"
for bin in "$work/usr/games/vantry" "$work/usr/lib/games/vantry/libvantry_sound.so"; do
  [ -f "$bin" ] || continue
  # Read whole first: with pipefail, grep -q stopping early would fail the pipe and hide a match.
  dynamic=$(readelf -d "$bin") sections=$(readelf -S "$bin")
  ! grep -qE 'RPATH|RUNPATH' <<<"$dynamic" || fail "$(basename "$bin") carries an rpath"
  ! grep -qE '\.debug_|\.symtab' <<<"$sections" || fail "$(basename "$bin") is not stripped"
done
# The audio system comes with the sound module at the first cue, never with the program.
! readelf -d "$work/usr/games/vantry" | grep -q 'NEEDED.*Multimedia' ||
  fail "the program links Qt Multimedia itself"
check_icon_sizes "$work"
if [ -n "$version_h" ]; then
  [ -f "$version_h" ] || { fail "no such file: $version_h"; finish; }
  compiled=$(sed -n 's/^#define VANTRY_INSTALL_DATA_DIR "\(.*\)"$/\1/p' "$version_h")
  [ -d "$work$compiled/Media" ] || fail "the program looks for its data in '$compiled', not packaged there"
  module=$(sed -n 's/^#define VANTRY_INSTALL_SOUND_MODULE "\(.*\)"$/\1/p' "$version_h")
  [ -f "$work$module" ] || fail "the program looks for its sound module at '$module', not packaged there"
fi

# Warnings are allowed and shown; an error fails the check.
report=$(lintian --pedantic -I "$deb" 2>&1 | grep -v 'running with root privileges' || true)
[ -z "$report" ] || echo "$report"
! grep -q '^E:' <<<"$report" || fail "lintian reports errors"
finish
