#!/bin/sh
# Runs one test executable offscreen with a fresh HOME and XDG_CONFIG_HOME, so
# settings and data folders never leak between tests or into the real home.
set -u
dir=$(mktemp -d "${TMPDIR:-/tmp}/wox-test.XXXXXX") || exit 1
HOME="$dir/home"
XDG_CONFIG_HOME="$dir/config"
XDG_RUNTIME_DIR="$dir/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
QT_QPA_PLATFORM=offscreen
export HOME XDG_CONFIG_HOME XDG_RUNTIME_DIR QT_QPA_PLATFORM
"$@"
status=$?
rm -rf "$dir"
exit $status
