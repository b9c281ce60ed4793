#!/usr/bin/env bash
# Approves the windows' pictures afresh after a deliberate change of looks: builds the screen
# tests, renders every window in its main states into tests/screen/approved, then checks that a
# second rendering matches. Review the changed pictures with `git diff --stat` and an image viewer
# before committing them.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target screen_tests
export QT_QPA_PLATFORM=offscreen
DAUBERY_APPROVE_SCREENS=1 "$build/tests/screen_tests" --gtest_filter='Screens.*' --gtest_brief=1
"$build/tests/screen_tests" --gtest_filter='Screens.*' --gtest_brief=1
git status --short tests/screen/approved
