#!/bin/sh
# Rebuilds the session pictures (resources/icons) from the QPainter
# drawings in tools/woxSessionIconTool.cpp.
set -eu
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -std=c++17 -fPIC -O1 -o "$work/woxSessionIconTool" tools/woxSessionIconTool.cpp \
    $(pkg-config --cflags --libs Qt5Gui)
QT_QPA_PLATFORM=offscreen "$work/woxSessionIconTool" resources
