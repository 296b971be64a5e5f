#!/bin/sh
# The user guide's picture of an exported workbook opened in a spreadsheet: the example work
# exported by vimra-tool, printed by LibreOffice (libreoffice-calc-nogui, not needed otherwise),
# its first sheet beside its charts. Usage: tools/screenshots/tableur.sh BUILD OUT.png
set -eu
build=$1
sortie=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$build/vimra-tool" export "$build/Exemples/Caracteristique MAS.MLX2" "$tmp/classeur.xlsx"
soffice --headless --convert-to pdf --outdir "$tmp" "$tmp/classeur.xlsx" >/dev/null
pages=$(pdfinfo "$tmp/classeur.pdf" | awk '/^Pages:/ { print $2 }')
pdftoppm -png -r 90 -f 1 -l 1 -singlefile "$tmp/classeur.pdf" "$tmp/valeurs"
pdftoppm -png -r 90 -f "$pages" -l "$pages" -singlefile "$tmp/classeur.pdf" "$tmp/graphiques"
convert "$tmp/valeurs.png" -crop 560x420+40+40 +repage "$tmp/v.png"
convert "$tmp/graphiques.png" -trim +repage -resize x420 "$tmp/g.png"
convert "$tmp/v.png" "$tmp/g.png" -background white -gravity north +append -bordercolor '#cccccc' -border 1 "$sortie"
