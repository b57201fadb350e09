#!/bin/sh
# Installs what is missing, builds the release program in build/ and starts it.
set -eu
cd "$(dirname "$0")"
sh tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)" --target t-orb
exec ./build/t-orb "$@"
