#!/bin/sh
# Draws the settings window without a display and saves it as
# docs/screenshot-settings.png. Usage: scripts/screenshot-settings.sh [BUILD_DIR]
set -eu
build="${1:-build}"
cmake --build "$build" --target test_gui_settings_window
out="$(pwd)/docs/screenshot-settings.png"
test_binary="$(find "$build" -name test_gui_settings_window -type f -perm -u+x | head -n 1)"
QT_QPA_PLATFORM=offscreen LEXICOUNT_DATA_DIR="$(cd "$build" && pwd)/data" LEXICOUNT_SCREENSHOT="$out" \
    "$test_binary" --gtest_filter='*SettingsWindowRendersOffscreen*' >/dev/null
echo "wrote docs/screenshot-settings.png"
