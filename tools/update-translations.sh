#!/bin/sh
# Gathers every translatable text of the sources and the forms into
# resources/Ru.ts and resources/Uk.ts, or into the .ts files given as
# absolute paths (a copy that a check compares). Translations already there
# are kept; new texts arrive unfinished, to be translated by hand (Qt
# Linguist or any editor). Run it after adding or changing texts, then fill
# in the Russian.
set -eu
cd "$(dirname "$0")/.."
folders=""
for folder in model core app options templates sessions engineer shell forms; do
    [ -d "$folder" ] && folders="$folders $folder"
done
# No source locations: they would change with every edit and make the
# translation files conflict between branches.
[ $# -gt 0 ] || set -- resources/Ru.ts resources/Uk.ts
lupdate -locations none -no-ui-lines $folders -ts "$@"
