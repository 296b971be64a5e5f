#!/usr/bin/env bash
# Draws the stored pictures of the graph tests again. Run it only when a change of the drawing is
# meant, look at every picture it wrote, and commit them with that change.
set -euo pipefail
cd "$(dirname "$0")/../../.."
BUILD=${BUILD:-build}
cmake --build "$BUILD" -j 2 --target vimra_core_tests
QT_QPA_PLATFORM=offscreen VIMRA_REGENERE_GOLDEN=1 "$BUILD/tests/vimra_core_tests" --gtest_filter='Scenes/GoldenTest.*'
git status --short tests/graph/golden
