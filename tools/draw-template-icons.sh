#!/bin/sh
# Rebuilds the template screens' pictures (resources/icons, listed in
# resources/templates.qrc) from the QPainter drawings in
# tools/woxTemplateIconTool.cpp.
set -eu
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -std=c++17 -fPIC -O1 -o "$work/woxTemplateIconTool" tools/woxTemplateIconTool.cpp \
    $(pkg-config --cflags --libs Qt5Gui)
QT_QPA_PLATFORM=offscreen "$work/woxTemplateIconTool" resources
