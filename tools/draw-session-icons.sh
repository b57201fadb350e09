#!/bin/sh
# Rebuilds the session pictures (resources/icons) from the QPainter
# drawings in tools/woxSessionIconTool.cpp.
exec sh "$(dirname "$0")/run-icon-tool.sh" woxSessionIconTool
