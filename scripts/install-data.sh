#!/usr/bin/env bash
# Puts the files the program reads (icons, splash picture, help book, station
# database) into HOME/vantorel/, leaving any file the user already has alone.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD=${1:-$ROOT/build-release}
DEST="$HOME/vantorel"
mkdir -p "$DEST"
copy_missing() {
  local src=$1 name=$2
  if [ -f "$src" ] && [ ! -e "$DEST/$name" ]; then
    cp "$src" "$DEST/$name"
    echo "installed $DEST/$name"
  fi
}
for f in vantorel.xpm "Vantorel 8" splash.jpg stations.txt freq.txt schedule.txt; do
  copy_missing "$ROOT/data/$f" "$f"
done
copy_missing "$BUILD/data/vantorel.htb" vantorel.htb
