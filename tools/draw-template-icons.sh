#!/bin/sh
# Rebuilds the template screens' pictures (resources/icons, listed in
# resources/templates.qrc) from the QPainter drawings in
# tools/woxTemplateIconTool.cpp.
exec sh "$(dirname "$0")/run-icon-tool.sh" woxTemplateIconTool
