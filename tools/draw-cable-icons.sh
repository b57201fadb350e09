#!/bin/sh
# Rebuilds the pictures of the cable configuration dialog (resources/icons
# and resources/wires) from the QPainter drawings in tools/woxCableIconTool.cpp.
exec sh "$(dirname "$0")/run-icon-tool.sh" woxCableIconTool
