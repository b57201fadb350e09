#!/usr/bin/env python3
"""Fills translations into a .ts file from a tab-separated list.

    python3 tools/fill-translations.py resources/Ru.ts texts.tsv

Each line of the list is: context <TAB> source text <TAB> translation.
"\\n" in a field stands for a line break. Messages must already be in the
.ts file (run tools/update-translations.sh first); a line that matches no
message is reported and the script exits non-zero. Matching messages get the
translation and lose their "unfinished" mark.
"""
import sys
import xml.etree.ElementTree as ET


def unescape(text):
    return text.replace("\\n", "\n").replace("\\t", "\t")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    ts_path, list_path = sys.argv[1], sys.argv[2]
    tree = ET.parse(ts_path)
    messages = {}
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            messages[(name, message.findtext("source"))] = message
    missing = 0
    with open(list_path, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) != 3:
                print(f"{list_path}:{number}: expected three fields", file=sys.stderr)
                missing += 1
                continue
            context, source, translation = (unescape(f) for f in fields)
            message = messages.get((context, source))
            if message is None:
                print(f"{list_path}:{number}: no message {context!r} {source!r}", file=sys.stderr)
                missing += 1
                continue
            element = message.find("translation")
            element.text = translation
            element.attrib.pop("type", None)
    tree.write(ts_path, encoding="utf-8", xml_declaration=True)
    # ElementTree drops the DOCTYPE line that Qt's tools write; put it back.
    with open(ts_path, encoding="utf-8") as f:
        text = f.read()
    if "<!DOCTYPE TS>" not in text:
        text = text.replace("?>\n", "?>\n<!DOCTYPE TS>\n", 1)
    with open(ts_path, "w", encoding="utf-8") as f:
        f.write(text if text.endswith("\n") else text + "\n")
    sys.exit(1 if missing else 0)


if __name__ == "__main__":
    main()
