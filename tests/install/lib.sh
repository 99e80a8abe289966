# shellcheck shell=bash
# Shared by the install checks: failure reporting and the skip code ctest is told about.
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
skip() { echo "SKIP: $*"; exit 77; }
need() { for tool in "$@"; do command -v "$tool" >/dev/null || skip "$tool is not installed"; done; }
finish() { [ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }; }

# Width and height of a PNG file, from its IHDR chunk.
png_size() {
  local w h
  w=$(od -An -tu1 -j16 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
  h=$(od -An -tu1 -j20 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
  echo "${w}x${h}"
}

# Checks that every hicolor PNG below $1 is as large as the folder it lies in says.
check_icon_sizes() {
  local png dir
  while IFS= read -r png; do
    dir=$(basename "$(dirname "$(dirname "$png")")")
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$png is not a PNG"
    [ "$(png_size "$png")" = "$dir" ] || fail "$png is $(png_size "$png"), its folder says $dir"
  done < <(find "$1" -path '*/icons/hicolor/*/apps/*.png')
}
