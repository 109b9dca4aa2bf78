#!/bin/sh
# The folders' layers, lowest first: a file may include its own folder's files and those of
# the layers below, never one above. The arithmetic (calcolo/ and each job's *calc, sweep and
# cilindro files) is also a library of its own, so the linker holds it to QtCore.
set -eu
cd "$(dirname "$0")/.."
strati="calcolo shell charts verifica scheda calcolatrice hoist|conveyor|screw|reel|util ui app"
livello() {
    n=0
    for s in $strati; do
        case "|$s|" in *"|$1|"*) echo $n; return ;; esac
        n=$((n + 1))
    done
    echo -1
}
errori=0
for cartella in calcolo shell charts verifica scheda calcolatrice hoist conveyor screw reel util ui app; do
    mio=$(livello "$cartella")
    for file in "$cartella"/*.h "$cartella"/*.cpp; do
        [ -e "$file" ] || continue
        for incluso in $(sed -n 's|^#include "\([a-z]*\)/.*"|\1|p' "$file" | sort -u); do
            suo=$(livello "$incluso")
            if [ "$suo" -gt "$mio" ]; then
                echo "$file include $incluso/, che sta sopra $cartella/"
                errori=$((errori + 1))
            fi
        done
    done
done
# the arithmetic's files include only the arithmetic
for file in hoist/elevcalc.* conveyor/convcalc.* screw/vitecalc.* reel/sweep.* util/cilindro.*; do
    for incluso in $(sed -n 's|^#include "\([^"]*\)"|\1|p' "$file"); do
        case "$incluso" in
        calcolo/* | elevcalc.h | convcalc.h | vitecalc.h | sweep.h | cilindro.h) ;;
        *) echo "$file include $incluso, fuori dal calcolo"; errori=$((errori + 1)) ;;
        esac
    done
done
[ "$errori" -eq 0 ] && echo "strati: nessuna inclusione verso l'alto"
[ "$errori" -eq 0 ]
