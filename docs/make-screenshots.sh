#!/usr/bin/env bash
# Makes the user guide's screenshots (docs/images/*.png): the real windows, grabbed on Qt's
# offscreen platform with the shipped dictionaries of the release build.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/release/build.ninja ] || cmake --preset release >/dev/null
cmake --build --preset release --target screenshots
mkdir -p docs/images
build/release/tools/screenshots/screenshots build/release/dictionaries docs/images
ls docs/images
