#!/bin/sh
# Builds the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs it: any memory error, leak or undefined behaviour fails the run.
set -eu
cd "$(dirname "$0")/.."
flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build build-asan
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
LSAN_OPTIONS="suppressions=$(pwd)/scripts/lsan.supp:print_suppressions=0" \
DM_GIRI=100 QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure
