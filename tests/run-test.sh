#!/bin/sh
# Runs one test executable offscreen with a fresh HOME and XDG_CONFIG_HOME, so
# settings and data folders never leak between tests or into the real home.
set -u
dir=$(mktemp -d "${TMPDIR:-/tmp}/wox-test.XXXXXX") || exit 1
# Removed however the test ends, a time-out's kill included.
trap 'rm -rf "$dir"' EXIT
trap 'exit 1' HUP INT TERM
HOME="$dir/home"
XDG_CONFIG_HOME="$dir/config"
XDG_RUNTIME_DIR="$dir/runtime"
# Temporary files stay in the test's own folder too, so runs by several users
# (or several runs at once) on one machine never meet in the shared one.
TMPDIR="$dir/tmp"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$TMPDIR"
chmod 700 "$XDG_RUNTIME_DIR"
QT_QPA_PLATFORM=offscreen
# Sanitizer settings live here so a plain ctest run behaves like test.sh.
here=$(cd "$(dirname "$0")" && pwd)
ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$here/lsan.supp:print_suppressions=0}"
UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
TSAN_OPTIONS="${TSAN_OPTIONS:-suppressions=$here/tsan.supp}"
export HOME XDG_CONFIG_HOME XDG_RUNTIME_DIR TMPDIR QT_QPA_PLATFORM ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS
export TSAN_OPTIONS
"$@"
