#!/usr/bin/env bash
# Renders the program icon's PNG sizes from dist/icons/vyxedit.svg (the PNGs are
# committed; run this after changing the drawing). Needs rsvg-convert (librsvg2-bin).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
command -v rsvg-convert >/dev/null || { echo "rsvg-convert missing: apt-get install librsvg2-bin" >&2; exit 1; }
for size in 16 22 24 32 48 64 128 256; do
  out="$root/dist/icons/hicolor/${size}x${size}/apps"
  mkdir -p "$out"
  rsvg-convert -w "$size" -h "$size" "$root/dist/icons/vyxedit.svg" -o "$out/vyxedit.png"
done
