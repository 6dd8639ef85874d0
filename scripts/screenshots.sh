#!/usr/bin/env bash
# Pictures of the main window and every secondary window in Chinese, English and Japanese
# (the About window and the help window on two pages among them), the appearance dialog on
# custom colours and the main board after "OK", taken under Xvfb with the real X11 platform
# and fonts. They land in build/screenshots/languages/; the board and the hint window for one
# hint of every technique of the second ladder land in build/screenshots/hints/.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -d build ] || cmake --preset default
ninja -C build kestrel_qt_tests
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    build/tests/kestrel_qt_tests --gtest_filter='LanguageWindowsTest.*:HintPicturesTest.*'
echo "screenshots: build/screenshots/languages/ build/screenshots/hints/"
