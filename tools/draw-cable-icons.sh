#!/bin/sh
# Rebuilds the pictures of the cable configuration dialog (resources/icons
# and resources/wires) from the QPainter drawings in tools/woxCableIconTool.cpp.
set -eu
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -std=c++17 -fPIC -O1 -o "$work/woxCableIconTool" tools/woxCableIconTool.cpp \
    $(pkg-config --cflags --libs Qt5Gui)
QT_QPA_PLATFORM=offscreen "$work/woxCableIconTool" resources
