#!/bin/sh
# Draws the Copper theme's pictures and packs them with its values into resources/themes/Copper.sui.
#   scripts/make-copper-theme.sh [build-dir]
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
QT_QPA_PLATFORM=offscreen "$build/tools/orlenda_resgen" --out "$work" --group theme_copper
rm -f "$work/theme_copper.qrc"
cp "$root/tools/resgen/themes/Copper.txt" "$work/theme_copper/theme.txt"
QT_QPA_PLATFORM=offscreen "$build/bin/orlenda_themetool" pack "$work/theme_copper" "$root/resources/themes/Copper.sui"
