#!/bin/sh
# The sources as .clang-format writes them; a table kept one row a line sits between
# "// clang-format off" and "// clang-format on". With --correggi, rewrites them so.
set -eu
cd "$(dirname "$0")/.."
if [ "${1:-}" = --correggi ]; then
    git ls-files '*.h' '*.cpp' | xargs clang-format -i
    exit 0
fi
if git ls-files '*.h' '*.cpp' | xargs clang-format --dry-run --Werror 2>/dev/null; then
    echo "formato: come .clang-format"
else
    git ls-files '*.h' '*.cpp' | xargs clang-format --dry-run 2>&1 | grep '^[^ ].*warning' | cut -d: -f1 | sort -u |
        sed 's/$/: non come .clang-format (sh scripts\/formato.sh --correggi)/'
    exit 1
fi
