#!/bin/sh
# Opens Kickpool on the demo season; without a display, prints its latest weekly report instead.
BIN="$1"
if [ -n "$DISPLAY" ] || [ -n "$WAYLAND_DISPLAY" ]; then
  exec "$BIN/kickpool" --home "$BIN"
fi
echo "No display found, so the window cannot open."
echo "Here is the demo season's latest weekly report from kickpool-cli instead:"
echo
exec "$BIN/kickpool-cli" --home "$BIN" report
