#!/bin/sh
# `make windows`: cross-compiles kickpool.exe and kickpool-cli.exe for 64-bit Windows and makes
# the setup program kickpool-VERSION-setup.exe in the repository's folder.
#
#   BUILD_WINDOWS   the build folder (build-windows)
#   NATIVE_BUILD    the Linux build whose user guide the setup program carries (build)
#   UPDATE_ADDRESS  the version file the update check fetches (empty: no update check)
set -e
cd "$(dirname "$0")/.."
BUILD=${BUILD_WINDOWS:-build-windows}
NATIVE_BUILD=${NATIVE_BUILD:-build}
JOBS=${JOBS:-$(nproc 2>/dev/null || echo 2)}
CACHE=${KICKPOOL_WINDOWS_CACHE:-$HOME/.cache/kickpool-windows}

if [ "$(id -u)" = 0 ]; then SUDO=""; else SUDO="sudo"; fi
need=""
for p in g++-mingw-w64-x86-64-posix nsis librsvg2-bin icoutils cmake ninja-build; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need="$need $p"
done
if [ -n "$need" ]; then
  echo "Installing:$need"
  $SUDO apt-get -o DPkg::Lock::Timeout=900 update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends $need
fi

QT=$(./scripts/build-windows-qt.sh)

# The sales register reads and writes CSV with libcsv; Debian has no Windows build of it, so its
# source package's one C file is compiled here, once, into the cache.
CSV=$CACHE/libcsv-mingw64
if [ ! -f "$CSV/lib/libcsv.a" ]; then
  CSV_SRC=$(ls -d "$CACHE"/src/libcsv-*/ 2>/dev/null | head -n 1)
  if [ -z "$CSV_SRC" ]; then
    mkdir -p "$CACHE/src"
    (cd "$CACHE/src" && apt-get source -qq libcsv >&2)
    CSV_SRC=$(ls -d "$CACHE"/src/libcsv-*/ | head -n 1)
  fi
  mkdir -p "$CSV/include" "$CSV/lib"
  x86_64-w64-mingw32-gcc-posix -O2 -c "$CSV_SRC/libcsv.c" -o "$CSV/libcsv.o"
  x86_64-w64-mingw32-ar rcs "$CSV/lib/libcsv.a" "$CSV/libcsv.o"
  cp "$CSV_SRC/csv.h" "$CSV/include/"
fi

# The toolchain of the Qt build, with the Windows Qt and libcsv among the places searched.
mkdir -p "$BUILD"
TOOLCHAIN=$(realpath "$BUILD")/toolchain.cmake
cat > "$TOOLCHAIN" <<TC
include($CACHE/mingw64-toolchain.cmake)
list(APPEND CMAKE_FIND_ROOT_PATH $QT $CSV)
TC

# The programs and the folder's layout as the setup program installs it: the programs, the Qt
# libraries and plugins beside them, share/kickpool with the demo season and the cues.
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DCMAKE_PREFIX_PATH="$QT" -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DBUILD_TESTING=OFF -DCMAKE_INSTALL_BINDIR=. -DCMAKE_INSTALL_DATADIR=share \
  -DKICKPOOL_NATIVE_GUIDE="$(realpath "$NATIVE_BUILD")/bin/guide" \
  -DKICKPOOL_UPDATE_ADDRESS="${UPDATE_ADDRESS:-}" >/dev/null
cmake --build "$BUILD" --parallel "$JOBS"
STAGE=$BUILD/stage
rm -rf "$STAGE"
cmake --install "$BUILD" --prefix "$STAGE" --strip >/dev/null

for lib in Qt6Core Qt6Gui Qt6Widgets Qt6PrintSupport Qt6Network; do
  cp "$QT/bin/$lib.dll" "$STAGE/"
done
for plugin in platforms/qwindows platforms/qoffscreen styles/qwindowsvistastyle printsupport/windowsprintersupport \
              tls/qschannelbackend tls/qcertonlybackend; do
  if [ -f "$QT/plugins/$plugin.dll" ]; then
    mkdir -p "$STAGE/$(dirname "$plugin")"
    cp "$QT/plugins/$plugin.dll" "$STAGE/$plugin.dll"
  fi
done
GCC_LIBS=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
for dll in libstdc++-6.dll libgcc_s_seh-1.dll; do cp "$GCC_LIBS/$dll" "$STAGE/"; done
cp /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$STAGE/"
x86_64-w64-mingw32-strip --strip-unneeded "$STAGE"/*.dll

VERSION=$(sed -n 's/^project(Kickpool VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
makensis -V2 -DVERSION="$VERSION" -DSTAGE="$(realpath "$STAGE")" \
  -DICON="$(realpath "$BUILD")/kickpool.ico" -DOUTFILE="$(pwd)/kickpool-$VERSION-setup.exe" \
  packaging/windows/kickpool.nsi
ls -l "kickpool-$VERSION-setup.exe"
