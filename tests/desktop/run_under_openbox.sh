#!/usr/bin/env bash
# Runs the desktop tests (their binary is the first argument) on a private Xvfb
# display of 1366x768 with Debian's openbox as the window manager.
set -euo pipefail
binary="$1"
shift
exec xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
  set -u
  openbox >/dev/null 2>&1 &
  wm=$!
  trap "kill $wm 2>/dev/null || true" EXIT
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
  done
  QT_QPA_PLATFORM=xcb "$@"
' run_under_openbox "$binary" "$@"
