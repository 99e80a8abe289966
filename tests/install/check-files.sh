#!/usr/bin/env bash
# Checks the installed tree file by file: usage ROOT PREFIX BINDIR DATADIR MODULEDIR APPID EXPECTED
# VERSION_H
set -euo pipefail
. "$(dirname "$0")/lib.sh"
root=$1 prefix=$2 bindir=$3 datadir=$4 moduledir=$5 appid=$6 expected=$7 version_h=$8
top=$root$prefix

want=$(grep -v '^#' "$expected" | sed -e "s#^BIN/#$bindir/#" -e "s#^DATA/#$datadir/#" \
  -e "s#^MODULES/#$moduledir/#" -e "s#APPID#$appid#" | sort)
have=$( (cd "$top" && find . -type f -o -type l) | sed 's#^\./##' | sort)
if [ "$want" != "$have" ]; then
  fail "installed files differ from the expected list (< expected, > installed):"
  diff <(echo "$want") <(echo "$have") >&2 || true
fi
[ -z "$(cd "$root" && find . -path "./${prefix#/}" -prune -o -type f -print)" ] ||
  fail "files were installed outside the prefix $prefix"

[ -x "$top/$bindir/vantry" ] || fail "the program is not executable"
while IFS= read -r f; do
  [ "$f" = "$top/$bindir/vantry" ] && continue
  [ "$(stat -c %a "$f")" = 644 ] || fail "$f has mode $(stat -c %a "$f"), not 644"
done < <(find "$top" -type f)

# The program looks for its cues where it was told at build time; the install must agree.
compiled=$(sed -n 's/^#define VANTRY_INSTALL_DATA_DIR "\(.*\)"$/\1/p' "$version_h")
[ "$compiled" = "$prefix/$datadir" ] ||
  fail "the program looks for its data in '$compiled', the install puts it in $prefix/$datadir"
module=$(sed -n 's/^#define VANTRY_INSTALL_SOUND_MODULE "\(.*\)"$/\1/p' "$version_h")
[ "$module" = "$prefix/$moduledir/libvantry_sound.so" ] ||
  fail "the program looks for its sound module at '$module', the install puts it in $prefix/$moduledir"

check_icon_sizes "$top"
gz=$top/share/man/man6/vantry.6.gz
if [ -f "$gz" ]; then
  gzip -t "$gz" || fail "$gz is not a valid gzip file"
  # -n leaves the time stamp at zero: bytes 4..7 of the header.
  [ "$(od -An -tu1 -j4 -N4 "$gz" | tr -d ' \n')" = 0000 ] || fail "$gz carries a time stamp"
fi
finish
