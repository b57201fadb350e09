#!/bin/sh
# Rebuilds the system menu's icons (resources/icons) from the QPainter
# drawings in tools/woxMenuIconTool.cpp.
exec sh "$(dirname "$0")/run-icon-tool.sh" woxMenuIconTool
