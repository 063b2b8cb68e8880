#!/usr/bin/env bash
# Lists the project's files, NUL-separated and sorted: those git tracks or would track (not
# those it ignores, such as the build folders), as they are in the working tree now.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do
        [[ -f "$file" ]] && printf '%s\0' "$file"
    done | LC_ALL=C sort -zu
