#!/bin/sh
# Runs one Qt Test executable with its test functions in reverse order and
# standard input closed, then each function alone twice in one process with
# standard input, output and error on /dev/null: every function must start
# from a clean state of its own, whatever ran before it, and no closed or
# silenced descriptor may upset a test. All of it runs in an empty working
# folder, which must stay empty.
set -u
exe=$(realpath "$1")
functions=$("$exe" -functions | sed -n 's/()$//p')
[ -n "$functions" ] || { echo "no test functions listed by $exe"; exit 1; }
work=$(mktemp -d) && cd "$work" || exit 1
status=0
# shellcheck disable=SC2046
"$exe" -silent $(printf '%s\n' "$functions" | tac) <&- &
reversed=$!
# Each function in a process of its own, a few at a time; one that fails is
# run again with its output shown.
# shellcheck disable=SC2016
printf '%s\n' $functions | xargs -P 4 -n 1 sh -c '"$0" -silent "$1" "$1" < /dev/null > /dev/null 2>&1 ||
  { "$0" -silent "$1" "$1" < /dev/null; echo "FAILED twice in one process: $1"; exit 1; }' "$exe" || status=1
wait $reversed || { echo "FAILED in reverse order"; status=1; }
left=$(ls -A)
cd / && rm -rf "$work"
[ -z "$left" ] || { echo "left in the working folder:"; echo "$left"; status=1; }
exit $status
