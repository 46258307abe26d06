#!/usr/bin/env bash
# Renders the application icon (src/resources/app_icon.svg) into the PNG sizes of the hicolor
# theme under packaging/icons/. Run it after changing the icon; the PNGs are committed.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || { echo "needs rsvg-convert (apt-get install librsvg2-bin)"; exit 1; }
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" src/resources/app_icon.svg -o "packaging/icons/${size}.png"
done
