#!/bin/sh
# Rebuilds the engineer screen's icons (resources/icons) from the QPainter
# drawings in tools/woxEngineerIconTool.cpp.
set -eu
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -std=c++17 -fPIC -O1 -o "$work/woxEngineerIconTool" tools/woxEngineerIconTool.cpp \
    $(pkg-config --cflags --libs Qt5Gui)
QT_QPA_PLATFORM=offscreen "$work/woxEngineerIconTool" resources
