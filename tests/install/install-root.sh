#!/usr/bin/env bash
# Installs the build tree $1 into a fresh DESTDIR $2 for the checks that follow.
set -euo pipefail
rm -rf "$2"
DESTDIR="$2" cmake --install "$1" >/dev/null
