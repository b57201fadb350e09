#!/bin/sh
# Fails when a text of the sources or the forms has no finished Russian
# translation: gathers the texts into a copy of resources/Ru.ts, so new
# texts arrive unfinished, and lists every unfinished message.
set -eu
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source_dir/resources/Ru.ts" "$work/Ru.ts"
sh "$source_dir/tools/update-translations.sh" "$work/Ru.ts" >/dev/null
python3 - "$work/Ru.ts" <<'PY'
import sys
import xml.etree.ElementTree as ET
missing = []
for context in ET.parse(sys.argv[1]).getroot().iter("context"):
    for message in context.iter("message"):
        if message.find("translation").get("type") == "unfinished":
            missing.append("%s: %r" % (context.findtext("name"), message.findtext("source")))
for line in missing:
    print("untranslated:", line)
sys.exit(1 if missing else 0)
PY
