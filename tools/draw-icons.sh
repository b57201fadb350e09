#!/bin/sh
# Rebuilds the shell's icons, scroll-bar arrows and flags (resources/icons,
# resources/arrows, resources/flags) from the QPainter drawings in
# tools/woxIconTool.cpp.
exec sh "$(dirname "$0")/run-icon-tool.sh" woxIconTool
