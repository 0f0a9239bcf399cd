#!/bin/sh
# Installs the Debian packages the build needs, only those that are absent.
set -eu
PKGS="cmake ninja-build g++ make pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev lrzsz"
missing=""
for p in $PKGS; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
SUDO=""
if [ "$(id -u)" != "0" ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends $missing
