#!/bin/sh
# The start-up cost of the batch program: a calculation run of dimensionamento-motori-calc on
# the drum hoist example against a bare QtCore process (make the application, print a line),
# run in turn ROUNDS times (default 300). Prints both medians and their ratio. Not a test: the
# times depend on the machine and what else it does.
set -eu
cd "$(dirname "$0")/.."
giri=${1:-300}
[ -d build ] || sh scripts/setup.sh
cmake --build build --target dimensionamento-motori-calc qtcore_nudo misura >/dev/null
build/tests/misura "$giri" -- build/tests/qtcore_nudo \
    -- build/dimensionamento-motori-calc tamburo tests/data/tamburo_esempio.txt
