#!/usr/bin/env bash
# Renders the program's icon (packaging/org.drakkenfold.CharacterGenerator.svg, drawn by hand)
# to the PNG sizes of the hicolor theme in packaging/icons/. Run after changing the SVG and commit
# the PNGs with it; the build installs what is committed. Needs rsvg-convert (librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../packaging"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" org.drakkenfold.CharacterGenerator.svg -o "icons/${size}.png"
done
