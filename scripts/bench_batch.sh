#!/bin/sh
# Two measures of the batch program, each command run in turn with its yardstick so that both
# see the same machine; each prints both medians and their ratio. Not a test: the times depend
# on the machine and what else it does.
#   start-up: a calculation run of dimensionamento-motori-calc on the drum hoist example
#     against a bare QtCore process (make the application, print a line), ROUNDS times
#     (default 300);
#   throughput: a folder of 10,000 drum hoist data files, each with its own load, calculated in
#     one run with --formato json against `cat` reading the same files, FOLDER_ROUNDS times
#     (default 11).
# Usage: sh scripts/bench_batch.sh [ROUNDS [FOLDER_ROUNDS]]
set -eu
cd "$(dirname "$0")/.."
giri=${1:-300}
giriCartella=${2:-11}
[ -d build ] || sh scripts/setup.sh
cmake --build build --target dimensionamento-motori-calc qtcore_nudo misura >/dev/null

echo "Avvio di un calcolo:"
build/tests/misura "$giri" -- build/tests/qtcore_nudo \
    -- build/dimensionamento-motori-calc tamburo tests/data/tamburo_esempio.txt

cartella=$(mktemp -d)
trap 'rm -rf "$cartella"' EXIT
# the example with the load WL (line 4 of the file) from 400 to 599 kg
awk -v cartella="$cartella" '
    { riga[NR] = $0 }
    END {
        for (i = 0; i < 10000; i++) {
            file = sprintf("%s/tamburo_%05d.txt", cartella, i)
            for (k = 1; k <= NR; k++)
                print (k == 4 ? (400 + i % 200) "\r" : riga[k]) > file
            close(file)
        }
    }' tests/data/tamburo_esempio.txt
echo "10000 file di dati in una cartella, --formato json contro cat:"
build/tests/misura "$giriCartella" -- cat "$cartella"/*.txt \
    -- build/dimensionamento-motori-calc tamburo "$cartella" --formato json
