#!/usr/bin/env bash
# Runs a desktop test on a private X server (Xvfb), so parallel runs never share a
# clipboard, a focus or a screen; the server ends with the test. Listing needs no display.
[[ " $* " == *" --gtest_list_tests "* ]] && exec "$@"
# -noreset: a server whose last client leaves starts over, refusing connections meanwhile; a
# short-lived client (the accessibility bus's launcher) must not turn the program away.
coproc XVFB { exec Xvfb -displayfd 1 -nolisten tcp -noreset -screen 0 1280x1024x24 2>/dev/null; }
trap 'kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null' EXIT
if ! read -r -t 15 number <&"${XVFB[0]}"; then
  echo "desktop tests: Xvfb did not come up (is the Debian package xvfb installed?)" >&2
  exit 1
fi
DISPLAY=":$number" QT_QPA_PLATFORM=xcb "$@"
