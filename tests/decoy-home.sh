#!/bin/sh
# A decoy home holding a user's data folders and settings. Every test
# executable runs with it as HOME and XDG_CONFIG_HOME and must leave it
# byte-identical: each makes a private home of its own before it starts.
#   decoy-home.sh plant DIR         fills DIR and records what it holds
#   decoy-home.sh check DIR         fails when anything in DIR changed
#   decoy-home.sh adopted DIR EXE   EXE told that the planted folder is its
#                                   test folder must not take it
#   decoy-home.sh killed DIR SIG EXE [FUNCTION]  kills EXE by its id with SIG
#                                   once its folder is in DIR/tmp (and, with a
#                                   FUNCTION, once that has started a process);
#                                   2 s later no process it started may run and
#                                   its folder must be gone
set -eu
dir=$2
list() { (cd "$dir/home" && find . -print | LC_ALL=C sort && find . -type f -exec sha256sum {} + | LC_ALL=C sort); }
# What a test starts inherits variables that point into its folder.
ours() { grep -lsaF "$dir/tmp/" /proc/[0-9]*/environ || true; }
case $1 in
plant)
  rm -rf "$dir"
  for sub in templates sessions system varnex; do
    mkdir -p "$dir/home/wox_0/$sub"
    printf 'planted %s\n' "$sub" > "$dir/home/wox_0/$sub/planted-$sub"
  done
  printf 'working copy\n' > "$dir/home/wox_0/system/wox_last_session_working_copy_7"
  mkdir -p "$dir/home/.config/wox.Project"
  printf '[General]\nsessionCloseSuccess=false\n' > "$dir/home/.config/wox.Project/woxSessionMenuWidget.conf"
  printf '[General]\nlanguage=Uk\n' > "$dir/home/.config/wox.Project/woxTranslator.conf"
  list > "$dir/manifest"
  ;;
check)
  list | diff "$dir/manifest" - || { echo "a test changed the user's home"; exit 1; }
  ;;
adopted)
  HOME="$dir/home" XDG_CONFIG_HOME="$dir/home/.config" WOX_TEST_ROOT="$dir" "$3" -silent
  list | diff "$dir/manifest" - || { echo "a test took a folder that no test made for it"; exit 1; }
  ;;
killed)
  rm -rf "$dir/tmp" && mkdir -p "$dir/tmp"
  TMPDIR="$dir/tmp" "$4" ${5:-} > /dev/null 2>&1 &
  ready() { ls "$dir"/tmp/*/made-by-test.* > /dev/null 2>&1 && { [ -z "${5:-}" ] || [ -n "$(ours)" ]; }; }
  for _ in $(seq 200); do ready "$@" && break; sleep 0.05; done
  ready "$@" || { echo "not ready to be killed in 10 s"; kill -s KILL $!; exit 1; }
  kill -s "$3" $!
  sleep 2
  left=$(ours; ls -A "$dir/tmp")
  [ -z "$left" ] || { echo "killed with $3, it left:"; echo "$left"; exit 1; }
  ;;
esac
