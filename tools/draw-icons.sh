#!/bin/sh
# Rebuilds the shell's icons and flags (resources/icons, resources/flags) from
# the QPainter drawings in tools/woxIconTool.cpp.
set -eu
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -std=c++17 -fPIC -O1 -o "$work/woxIconTool" tools/woxIconTool.cpp \
    $(pkg-config --cflags --libs Qt5Gui)
QT_QPA_PLATFORM=offscreen "$work/woxIconTool" resources
