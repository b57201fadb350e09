#!/bin/sh
# Installs the Debian 12 packages the build and the tests need, only when one
# is missing, so repeated runs stay fast and work offline once installed.
set -eu
packages="build-essential cmake qtbase5-dev qttools5-dev qttools5-dev-tools \
libqwt-qt5-dev qt5-style-plugin-cleanlooks python3 python3-pyftpdlib"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" \
    || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
$SUDO apt-get update
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y $missing
