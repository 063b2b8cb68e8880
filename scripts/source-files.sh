#!/usr/bin/env bash
# Lists the project's files, NUL-separated and sorted: those git tracks, as they are in the
# working tree now. Nothing else that lies in the tree goes into a release, whatever its name.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z --cached |
    while IFS= read -r -d '' file; do
        [[ -f "$file" ]] && printf '%s\0' "$file"
    done | LC_ALL=C sort -zu
