#!/bin/sh
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-test/ and runs every test.
# "./test.sh tsan" instead builds with ThreadSanitizer in build-tsan/ and runs
# every test again: the worker thread starts under the status bar, the main
# window and the screens as well as under the core's own tests.
set -eu
cd "$(dirname "$0")"
sh tools/install-deps.sh
if [ "${1:-}" = tsan ]; then
  cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DWOX_TSAN=ON
  cmake --build build-tsan -j"$(nproc)"
  cd build-tsan
  ctest --output-on-failure -j"$(nproc)"
  exit 0
fi
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DWOX_SANITIZE=ON
cmake --build build-test -j"$(nproc)"
cd build-test
ctest --output-on-failure -j"$(nproc)"
