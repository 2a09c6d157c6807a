#!/usr/bin/env bash
# Pictures of the login window, the main window on every ribbon tab at 1024x768,
# the sales screen at 1366x768, the delivery desk and its item window at 1366x768,
# 1366x768 and 1920x1080, and the message window, made offscreen (no display
# needed) by the widget tests that check them. They are not kept in the repository.
#
#   bash scripts/screenshots.sh [FOLDER]      # default: build/screenshots
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-build/screenshots}")"
bash scripts/deps.sh
bash scripts/build.sh --target widgets_tests >/dev/null
rm -rf "$out"
mkdir -p "$out"
# The windows run on a station database of their own (the embedded engine), never
# on a shared server.
env -u SABREL22_TEST_SERVER QT_QPA_PLATFORM=offscreen SABREL22_SCREENSHOTS="$out" \
  build/tests/widgets_tests --gtest_filter='Look.*:BalcaoLook.*:DeliveryLook.*' --gtest_brief=1
echo "$(ls "$out"/*.png | wc -l) pictures in $out"
