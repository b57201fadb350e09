#!/bin/sh
# Takes the pictures in docs/ again from the program as it is: builds the
# tests as ./test.sh does, in build-test/, and runs the tests that take them
# with WOX_SCREENSHOT_DIR naming docs/ (without it a test keeps its pictures
# in its private temporary folder, which goes with it).
#   shell_tst_mainwidget         main-window, options, system-menu-ru, session-table
#   shell_tst_sessionRoad        session-graphics, data-list
#   app_tst_systemwidget         clock-screen
#   engineer_tst_engineerWidget  engineer-production
#   templates_tst_templates      template-graphics, signal-window
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DWOX_SANITIZE=ON
cmake --build build-test -j"$(nproc)"
export WOX_SCREENSHOT_DIR="$PWD/docs"
for test in shell_tst_mainwidget shell_tst_sessionRoad app_tst_systemwidget engineer_tst_engineerWidget \
            templates_tst_templates; do
  "build-test/tests/$test" -silent
done
