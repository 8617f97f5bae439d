#!/usr/bin/env bash
# Gathers every text the user reads from the sources into the translation files
# (translations/strumix_*.ts), keeping what is translated already. Run it after changing a
# text; then translate what is new (Qt Linguist, or by hand) and commit the .ts files.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
folders=(page notes notes_reader notes_writers notes_drawing text_tab_reader sound_access sound files document
         edit flows widgets layout title app)
for ts in translations/strumix_*.ts; do
    "$lupdate" -silent -no-obsolete -locations none -extensions cpp,h "${folders[@]}" -ts "$ts"
done
