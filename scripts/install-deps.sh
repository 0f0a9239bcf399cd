#!/bin/sh
# Installs the Debian packages the build needs, only those that are absent.
set -eu
# With the argument "fuzz": clang and its libFuzzer runtime, for the fuzz build only.
PKGS="cmake ninja-build g++ make pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev lrzsz"
if [ "${1:-}" = "fuzz" ]; then PKGS="cmake ninja-build make clang libclang-rt-14-dev"; fi
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
