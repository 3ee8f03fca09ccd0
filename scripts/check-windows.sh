#!/bin/sh
# Checks the Windows setup program made by `make windows` under Wine, with Xvfb for the screen
# (and no window manager: Wine places its own windows, and one that asks where to place them holds
# the screen until someone clicks):
#   1. the setup program installs silently (for the current user) into a fresh Wine prefix, and
#      for all users into another;
#   2. kickpool-cli.exe report, summary, estimate, front and check print exactly what the Linux
#      build prints on the test seasons;
#   3. kickpool-cli.exe --pdf writes a PDF that pdftotext reads;
#   4. kickpool.exe starts and shows its main screen; a screenshot is kept;
#   5. the uninstaller removes the program and keeps the seasons.
# Takes several minutes; not part of `make test`.
#
#   scripts/check-windows.sh [SETUP.exe]      (default: the kickpool-*-setup.exe of this folder)
#   DISPLAY_NUMBER  the Xvfb display to use (99)   SHOT  where the screenshot goes
set -e
cd "$(dirname "$0")/.."
ROOT=$(pwd)
SETUP=${1:-$(ls kickpool-*-setup.exe 2>/dev/null | tail -n 1)}
LINUX_CLI=${LINUX_CLI:-build/bin/kickpool-cli}
WINE=${WINE:-/usr/lib/wine/wine64}
DISPLAY_NUMBER=${DISPLAY_NUMBER:-99}
SHOT=${SHOT:-$ROOT/build-windows/main-screen-under-wine.png}
[ -f "$SETUP" ] || { echo "No setup program: run make windows first." >&2; exit 1; }
[ -x "$LINUX_CLI" ] || { echo "No Linux build of kickpool-cli at $LINUX_CLI: run make first." >&2; exit 1; }

if [ "$(id -u)" = 0 ]; then SUDO=""; else SUDO="sudo"; fi
need=""
for p in wine64 xvfb imagemagick x11-utils poppler-utils; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need="$need $p"
done
if [ -n "$need" ]; then
  $SUDO apt-get -o DPkg::Lock::Timeout=900 update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends $need
fi

WORK=$(mktemp -d /tmp/kickpool-wine.XXXXXX)
export WINEPREFIX="$WORK/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The prefix is made before the display is there, so nothing of it waits on the screen.
env -u DISPLAY "$WINE" wineboot --init >/dev/null 2>&1
/usr/lib/wine/wineserver -w
export DISPLAY=":$DISPLAY_NUMBER" LANG=C.UTF-8
setsid Xvfb "$DISPLAY" -screen 0 1280x1024x24 </dev/null >/dev/null 2>&1 &
XVFB=$!
cleanup() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  kill "$XVFB" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
sleep 1

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok:   $*"; }

"$WINE" "$(realpath "$SETUP")" /S /CurrentUser >/dev/null 2>&1 || true
/usr/lib/wine/wineserver -w
INSTALLED=$(find "$WINEPREFIX/drive_c" -name kickpool-cli.exe -path '*Kickpool*' | head -n 1)
if [ -n "$INSTALLED" ] && [ -f "$(dirname "$INSTALLED")/kickpool.exe" ]; then
  pass "the setup program installed silently into ${INSTALLED#$WINEPREFIX/}"
else
  fail "the setup program installed nothing"
  exit 1
fi
APPDIR=$(dirname "$INSTALLED")
[ -n "$(find "$WINEPREFIX/drive_c" -iname 'Kickpool.lnk')" ] && pass "Start menu entry" || fail "no Start menu entry"

# The same season and the same date for both programs, each in a home folder of its own.
runboth() {  # name season args...
  name=$1 season=$2
  shift 2
  for side in linux windows; do
    rm -rf "${WORK:?}/$side" && mkdir -p "$WORK/$side/Files"
    cp "tests/data/seasons/$season" "$WORK/$side/Files/Kickpool.txt"
  done
  linux_status=0 windows_status=0
  "$LINUX_CLI" --home "$WORK/linux" --today 2024-11-20 "$@" >"$WORK/linux.out" 2>/dev/null || linux_status=$?
  "$WINE" "$INSTALLED" --home "$(winepath_of "$WORK/windows")" --today 2024-11-20 "$@" \
    >"$WORK/windows.out" 2>/dev/null || windows_status=$?
  # The home folder's path is the one thing that may differ: "HOME" on both sides.
  sed -i -e "s|$WORK/linux|HOME|g" "$WORK/linux.out"
  sed -i -e '/Z:\\/s|\\|/|g' -e "s|Z:$WORK/windows|HOME|g" "$WORK/windows.out"
  if [ -s "$WORK/linux.out" ] && cmp -s "$WORK/linux.out" "$WORK/windows.out" \
     && [ "$linux_status" = "$windows_status" ]; then
    pass "$name on $season: $(wc -l <"$WORK/linux.out") lines, byte-identical, exit $linux_status"
  else
    fail "$name on $season differs (exit $linux_status on Linux, $windows_status on Windows):"
    diff "$WORK/linux.out" "$WORK/windows.out" | head -n 10
  fi
}
samefile() {  # what file
  if [ -s "$WORK/linux/$2" ] && cmp -s "$WORK/linux/$2" "$WORK/windows/$2"; then
    pass "$1: $(wc -c <"$WORK/linux/$2") bytes, byte-identical"
  else
    fail "$1 differs"
    cmp "$WORK/linux/$2" "$WORK/windows/$2" | head -n 3
  fi
}
winepath_of() { echo "Z:$1" | tr / '\\'; }

runboth report riverside.txt report 9
runboth report week_ties_small.txt report 1
runboth summary summary_four_teams.txt summary
runboth summary riverside.txt summary
runboth estimate profit_29_teams.txt estimate
runboth estimate riverside.txt estimate
runboth front riverside.txt front
runboth check check_small.txt check
runboth check riverside.txt check

# What each side writes: a week's scores into the season file (CR LF, Windows-1252) and a buyer
# into the sales register (UTF-8) must come out byte for byte the same.
SCORES=$(seq 10 41 | sed '3s/.*//' | paste -sd, -)
runboth enter riverside.txt enter 10 "$SCORES"
samefile "the season file after enter" Files/Kickpool.txt
runboth "sales set" riverside.txt sales set 7 --name "Zoë Ærø" --phone "555 0107" --paid 10
samefile "the sales register after sales set" Files/Kickpool.sales.csv

"$WINE" "$INSTALLED" --home "$(winepath_of "$WORK/windows")" --today 2024-11-20 \
  --pdf "$(winepath_of "$WORK/report.pdf")" report 9 >/dev/null 2>&1 || true
if [ -s "$WORK/report.pdf" ] && pdftotext -layout "$WORK/report.pdf" - | grep -q "Week #   9"; then
  pass "--pdf wrote a PDF that pdftotext reads ($(pdftotext "$WORK/report.pdf" - | wc -l) lines)"
else
  fail "--pdf wrote no readable PDF"
fi

# The desktop program. Its first start makes the home folder in %APPDATA%\Kickpool with the demo
# season and, as a new installation, says FILE NOT FOUND; with a season in use it opens on the
# main screen.
start_program() {
  setsid "$WINE" "$APPDIR/kickpool.exe" </dev/null >/dev/null 2>&1 &
}
window_shown() {  # title: waits up to a minute for a window of that exact title
  for _ in $(seq 1 60); do
    if timeout 10 xwininfo -root -tree 2>/dev/null | grep -q "\"$1\""; then return 0; fi
    sleep 1
  done
  return 1
}
start_program
window_shown "KICKPOOL - FILE NOT FOUND" && pass "the first start says FILE NOT FOUND, as a new installation" \
  || fail "the first start showed no FILE NOT FOUND"
HOMEDIR=$(find "$WINEPREFIX/drive_c/users" -type d -path '*Roaming/Kickpool' | head -n 1)
[ -n "$HOMEDIR" ] && [ -f "$HOMEDIR/Files/Demo.txt" ] && [ -f "$HOMEDIR/Sounds/error.wav" ] \
  && pass "home folder ${HOMEDIR#$WINEPREFIX/} with the demo season and the sound cues" \
  || fail "no home folder with the demo season and the sound cues in %APPDATA%\\Kickpool"
/usr/lib/wine/wineserver -k 2>/dev/null || true
/usr/lib/wine/wineserver -w
if [ -n "$HOMEDIR" ]; then
  cp tests/data/seasons/riverside.txt "$HOMEDIR/Files/Kickpool.txt"
  start_program
  if window_shown "KICKPOOL"; then
    sleep 5
    mkdir -p "$(dirname "$SHOT")"
    timeout 30 import -window root "$SHOT"
    pass "kickpool.exe shows the main screen (screenshot: $SHOT)"
  else
    fail "kickpool.exe showed no main screen within a minute"
  fi
fi

# Uninstalling removes the program and its Start menu entry and keeps the user's seasons.
/usr/lib/wine/wineserver -k 2>/dev/null || true
"$WINE" "$APPDIR/uninstall.exe" /S /CurrentUser >/dev/null 2>&1 || true
/usr/lib/wine/wineserver -w
sleep 2
if [ ! -e "$APPDIR/kickpool.exe" ] && [ -z "$(find "$WINEPREFIX/drive_c" -iname 'Kickpool.lnk')" ]; then
  pass "the uninstaller removed the program and its Start menu entry"
else
  fail "the uninstaller left the program or its Start menu entry"
fi
[ -n "$HOMEDIR" ] && [ -f "$HOMEDIR/Files/Demo.txt" ] && pass "the seasons in ${HOMEDIR#$WINEPREFIX/} outlive the uninstaller" \
  || fail "the uninstaller took the seasons"

# Installing for all users puts the program into Program Files and the entry into every user's
# Start menu (a prefix of its own, where the user is an administrator).
export WINEPREFIX="$WORK/prefix-all-users"
env -u DISPLAY "$WINE" wineboot --init >/dev/null 2>&1
/usr/lib/wine/wineserver -w
"$WINE" "$(realpath "$SETUP")" /S /AllUsers >/dev/null 2>&1 || true
/usr/lib/wine/wineserver -w
if [ -f "$WINEPREFIX/drive_c/Program Files/Kickpool/kickpool.exe" ] \
   && [ -f "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Kickpool.lnk" ]; then
  pass "installed for all users into Program Files, with a Start menu entry for everyone"
else
  fail "the installation for all users is incomplete"
fi

[ "$failures" = 0 ] && echo "Kickpool for Windows passed every check." || echo "$failures checks failed."
[ "$failures" = 0 ]
