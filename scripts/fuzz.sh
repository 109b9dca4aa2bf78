#!/bin/sh
# Builds the libFuzzer targets in build-fuzz/ (clang, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each for SECONDS (default 60) on a copy of its seed corpus in a temporary directory,
# so the committed corpus under fuzz/corpus/ is never written. Inputs that crash are kept in
# build-fuzz/findings/; the script exits non-zero when any target crashed.
set -eu
cd "$(dirname "$0")/.."
seconds="${1:-60}"
targets="fuzz_numbers fuzz_datafile fuzz_catalogo fuzz_batch"

cmake -S . -B build-fuzz -G Ninja -DDM_FUZZ=ON -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target $targets

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT INT TERM
findings="$PWD/build-fuzz/findings"
mkdir -p "$findings"
export QT_QPA_PLATFORM=offscreen
# A small quarantine keeps the memory of long runs flat (freed blocks are still checked
# against reuse for the last 16 MB), and the scratch files of the targets live in memory.
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1:quarantine_size_mb=16:malloc_context_size=8}"
[ -w /dev/shm ] && export TMPDIR="${TMPDIR:-/dev/shm}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/fuzz/lsan.supp}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

failed=""
for t in $targets; do
    mkdir -p "$work/$t"
    cp fuzz/corpus/$t/* "$work/$t/"
    if [ "$t" = fuzz_datafile ]; then
        # one file above the size limit of data files, generated here and run once
        big="$work/grande.txt"
        printf 'Dati registrati il:\r\n' >"$big"
        head -c 1100000 /dev/zero | tr '\0' '7' >>"$big"
        build-fuzz/fuzz/$t -rss_limit_mb=2048 "$big" >"$work/$t-grande.log" 2>&1 ||
            { failed="$failed $t"; cp "$big" "$findings/"; tail -40 "$work/$t-grande.log"; }
    fi
    echo "== $t: $seconds s"
    if ! build-fuzz/fuzz/$t -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=25 \
        -artifact_prefix="$findings/$t-" -print_final_stats=1 "$work/$t" >"$work/$t.log" 2>&1; then
        failed="$failed $t"
        tail -60 "$work/$t.log"
    fi
    grep -E '^stat::number_of_executed_units|^#[0-9]+ *DONE' "$work/$t.log" || true
done

if [ -n "$failed" ]; then
    echo "Fuzzing: crash in$failed (inputs in $findings)" >&2
    exit 1
fi
echo "Fuzzing: nessun crash"
