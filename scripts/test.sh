#!/bin/sh
# Sets up, builds and runs every test, headless.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
sh scripts/strati.sh
sh scripts/formato.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure
sh scripts/pacchetto.sh
sh scripts/fuzz.sh 60
sh scripts/sanitize.sh
