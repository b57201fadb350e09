#!/bin/sh
# Builds one QPainter drawing tool, tools/<tool>.cpp (with the shared
# tools/woxIconCanvas.h), in a scratch folder and runs it on resources/.
# The draw-*.sh scripts name the tool; usage: run-icon-tool.sh <tool>
set -eu
tool=$1
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -std=c++17 -fPIC -O1 -o "$work/$tool" "tools/$tool.cpp" \
    $(pkg-config --cflags --libs Qt5Gui)
QT_QPA_PLATFORM=offscreen "$work/$tool" resources
