#!/bin/sh
# A decoy home holding a user's data folders and settings. Every test
# executable runs with it as HOME and XDG_CONFIG_HOME and must leave it
# byte-identical: each makes a private home of its own before it starts.
#   decoy-home.sh plant DIR         fills DIR and records what it holds
#   decoy-home.sh check DIR         fails when anything in DIR changed
#   decoy-home.sh killed DIR EXE    kills EXE mid-run with SIGKILL; its private
#                                   folder must still go from DIR/tmp
set -eu
dir=$2
list() { (cd "$dir/home" && find . -print | LC_ALL=C sort && find . -type f -exec sha256sum {} + | LC_ALL=C sort); }
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
killed)
  mkdir -p "$dir/tmp"
  TMPDIR="$dir/tmp" timeout -s KILL 0.3 "$3" > /dev/null 2>&1 || true
  for _ in $(seq 100); do
    [ -z "$(ls -A "$dir/tmp")" ] && exit 0
    sleep 0.1
  done
  echo "a killed test left its folder behind:"; ls -A "$dir/tmp"; exit 1
  ;;
esac
