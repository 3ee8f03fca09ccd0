#!/bin/sh
# Installs the Debian packages that building and testing Kickpool need, when any is missing.
# With --package also those that building its Debian package needs; with --fuzz clang and
# libFuzzer, which only `make fuzz` needs.
set -e
PACKAGES="qt6-base-dev qt6-multimedia-dev libgtest-dev libbenchmark-dev \
fonts-liberation poppler-utils cmake g++ make"
if [ "$1" = "--fuzz" ]; then
  PACKAGES="$PACKAGES clang libfuzzer-14-dev"
elif [ "$1" = "--package" ]; then
  PACKAGES="$PACKAGES dpkg-dev file librsvg2-bin"
fi

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

if ! command -v apt-get >/dev/null 2>&1; then
  echo "Kickpool needs these packages, and this system has no apt-get to install them:" >&2
  echo "  $PACKAGES" >&2
  echo "Install the equivalents with your system's package manager, then run make again." >&2
  exit 1
fi

if [ "$(id -u)" = 0 ]; then SUDO=""; else SUDO="sudo"; fi
echo "Installing:$missing"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
