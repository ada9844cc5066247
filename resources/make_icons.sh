#!/usr/bin/env bash
# Renders the tray and application icons from their SVG drawings:
#   icons/icon101-16.png  from icon101-small.svg  (16 px drawing without the diagram)
#   icons/icon101-32.png  from icon101.svg        (the scalable drawing, 32-unit grid)
#   icons/icon101-48.png  from icon101-48.svg     (the same drawing on a 48-unit grid)
#   and the same three for icon102; then the Windows icon files
#   icons/icon101.ico (16 + 32) and icons/icon102.ico (16 + 32).
# Needs rsvg-convert (librsvg2-bin) and ImageMagick 6 (convert-im6.q16).
# Runs from any folder; overwrites the generated files.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
icons="$here/icons"

RSVG="${RSVG:-rsvg-convert}"
CONVERT="${CONVERT:-/usr/bin/convert-im6.q16}"

for n in 101 102; do
  "$RSVG" -w 16 -h 16 -o "$icons/icon$n-16.png" "$icons/icon$n-small.svg"
  "$RSVG" -w 32 -h 32 -o "$icons/icon$n-32.png" "$icons/icon$n.svg"
  "$RSVG" -w 48 -h 48 -o "$icons/icon$n-48.png" "$icons/icon$n-48.svg"
  # Strip dates and other ancillary chunks so that the output is reproducible.
  for size in 16 32 48; do
    "$CONVERT" "$icons/icon$n-$size.png" -strip -define png:exclude-chunks=date,time \
      "PNG32:$icons/icon$n-$size.png"
  done
  "$CONVERT" "$icons/icon$n-16.png" "$icons/icon$n-32.png" "$icons/icon$n.ico"
done

echo "icons written to $icons"
