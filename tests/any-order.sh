#!/bin/sh
# Runs one Qt Test executable with its test functions in reverse order, then
# each function alone: every function must start from a clean state of its
# own, whatever ran before it.
set -u
exe=$1
functions=$("$exe" -functions | sed -n 's/()$//p')
[ -n "$functions" ] || { echo "no test functions listed by $exe"; exit 1; }
status=0
# shellcheck disable=SC2046
"$exe" -silent $(printf '%s\n' "$functions" | tac) || { echo "FAILED in reverse order"; status=1; }
for function in $functions; do
  "$exe" -silent "$function" || { echo "FAILED alone: $function"; status=1; }
done
exit $status
