#!/usr/bin/env bash
# Every text the program marks for translation has its German translation: lupdate runs over the
# sources into a copy of the .ts file, and an entry left unfinished there is a text a German user
# would see in English. Arguments: lupdate, the source root, the .ts file.
set -euo pipefail
lupdate=$1 root=$2 ts=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/check.ts"
cd "$root"
dirs=()
for dir in app cli controller dbf keylist keys onewire report seams serial settings site sync; do
    [ -d "$dir" ] && dirs+=("$dir")
done
"$lupdate" -silent -no-obsolete -locations none -extensions cpp,h "${dirs[@]}" -ts "$work/check.ts"
untranslated=$(grep -c 'type="unfinished"' "$work/check.ts" || true)
if [ "$untranslated" -ne 0 ]; then
    echo "$untranslated texts have no German translation (run: ninja update_translations, then translate them):"
    grep -B2 'type="unfinished"' "$work/check.ts" | grep '<source>' | sed 's/^ *//'
    exit 1
fi
echo "translations: every marked text has its German translation"
