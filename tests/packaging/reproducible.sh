#!/usr/bin/env bash
# Builds the release packages again, from a copy of the sources in another folder, as a second
# clean clone would, and compares them with the first build's: they must be the same, byte for
# byte.
# Usage: reproducible.sh FIRST_DIST WORK_FOLDER
set -euo pipefail
first=$(realpath "$1")
copy=$(realpath -m "$2")/a-second-folder/kymora
source=$(cd "$(dirname "$0")/../.." && pwd)
rm -rf "$(dirname "$copy")"
mkdir -p "$copy"
"$source/scripts/source-files.sh" | (cd "$source" && tar --null -T - -cf -) | tar -xf - -C "$copy"
cd "$copy"
git init -q && git add -A
# Only the programs: their tests ran in the first build.
make --no-print-directory windows web CROSS_FLAGS=-DBUILD_TESTING=OFF >/dev/null
scripts/make-packages.sh build-package build-windows build-web dist >/dev/null
cd dist
sha256sum -c "$first/SHA256SUMS"
cmp SHA256SUMS "$first/SHA256SUMS"
