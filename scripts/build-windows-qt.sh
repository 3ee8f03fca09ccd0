#!/bin/sh
# Builds Qt's base module for 64-bit Windows from Debian's own source package, with Debian's
# MinGW-w64 toolchain and Debian's Qt host tools of the same version. Only what Kickpool uses is
# built: Core, Gui, Widgets, PrintSupport, Network and the Windows platform and print-support
# plugins. The result goes into a cache folder outside the repository ($KICKPOOL_WINDOWS_CACHE,
# ~/.cache/kickpool-windows by default); a later run finds it there and does nothing.
# Pen tablets are left out: Debian's source leaves out the tablet header the Windows platform
# plugin needs for them (its licence does not allow changes), and Kickpool has no use for a pen.
#
#   scripts/build-windows-qt.sh            prints the folder of the finished Qt (its prefix)
set -e
CACHE=${KICKPOOL_WINDOWS_CACHE:-$HOME/.cache/kickpool-windows}
PREFIX=$CACHE/qt6-mingw64
JOBS=${JOBS:-$(nproc 2>/dev/null || echo 2)}
if [ -f "$PREFIX/.complete" ]; then
  echo "$PREFIX"
  exit 0
fi

if [ "$(id -u)" = 0 ]; then SUDO=""; else SUDO="sudo"; fi
HOST_VERSION=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null || true)
need=""
for p in g++-mingw-w64-x86-64-posix dpkg-dev qt6-base-dev-tools qt6-base-dev cmake ninja-build; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need="$need $p"
done
if [ -n "$need" ]; then
  echo "Installing:$need" >&2
  $SUDO apt-get -o DPkg::Lock::Timeout=900 update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends $need >&2
  HOST_VERSION=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
fi

# apt-get source needs a deb-src entry. One is made from the machine's own Debian entry (the same
# addresses, suites, components and key), so no address is written here.
SRC_LIST=/etc/apt/sources.list.d/kickpool-deb-src.sources
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
  MAIN=/etc/apt/sources.list.d/debian.sources
  if [ ! -f "$MAIN" ]; then
    echo "No Debian entry in $MAIN to make a deb-src entry from; add one for qt6-base and run again." >&2
    exit 1
  fi
  sed -e 's/^Types:.*/Types: deb-src/' "$MAIN" | $SUDO tee "$SRC_LIST" >/dev/null
  $SUDO apt-get -o DPkg::Lock::Timeout=900 update -qq
fi

mkdir -p "$CACHE/src"
UPSTREAM=${HOST_VERSION%%+*}
UPSTREAM=${UPSTREAM%%-*}
SRCDIR=$(ls -d "$CACHE"/src/qt6-base-*/ 2>/dev/null | head -n 1)
if [ -z "$SRCDIR" ]; then
  (cd "$CACHE/src" && apt-get source -qq "qt6-base=$HOST_VERSION" >&2)
  SRCDIR=$(ls -d "$CACHE"/src/qt6-base-*/ | head -n 1)
fi

TOOLCHAIN=$CACHE/mingw64-toolchain.cmake
cat > "$TOOLCHAIN" <<'TC'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TC

BUILDDIR=$CACHE/qt6-build
mkdir -p "$BUILDDIR"
cd "$BUILDDIR"
echo "Configuring Qt $UPSTREAM for Windows in $BUILDDIR" >&2
cmake -G Ninja "$SRCDIR" \
  -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$PREFIX" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DBUILD_SHARED_LIBS=ON \
  -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF \
  -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no \
  -DFEATURE_vulkan=OFF -DFEATURE_testlib=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
  -DFEATURE_sql=OFF -DFEATURE_openssl=OFF -DFEATURE_system_zlib=OFF \
  -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF \
  -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_zstd=OFF \
  -DFEATURE_icu=OFF -DFEATURE_glib=OFF \
  -DFEATURE_tabletevent=OFF \
  >&2
cmake --build . --parallel "$JOBS" >&2
cmake --install . >&2
touch "$PREFIX/.complete"
echo "$PREFIX"
