#!/bin/sh
# Sets up, builds and starts the windowed program.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Nessun display grafico: il programma è compilato in build/dimensionamento-motori."
    echo "Per avviarlo su un display virtuale:  xvfb-run -a build/dimensionamento-motori"
    exit 0
fi
exec build/dimensionamento-motori
