#!/bin/sh
# Rebuilds the engineer screen's icons (resources/icons) from the QPainter
# drawings in tools/woxEngineerIconTool.cpp.
exec sh "$(dirname "$0")/run-icon-tool.sh" woxEngineerIconTool
