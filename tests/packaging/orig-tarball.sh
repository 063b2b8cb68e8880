#!/usr/bin/env bash
# The upstream tarball on its own, as any distribution builds it: with no debian/ folder and no
# git. It holds the files git tracks, but debian/, and nothing else that lies in the working
# tree; it configures, builds, and passes the tests that need no display server.
# Usage: orig-tarball.sh TARBALL WORK_FOLDER
set -euo pipefail
tarball=$(realpath "$1")
work=$(realpath -m "$2")
sources=$(cd "$(dirname "$0")/../.." && pwd)
top=$(basename "$tarball" .orig.tar.xz | tr _ -) # kymora_1.00 -> kymora-1.00
rm -rf "$work"
mkdir -p "$work"

held=$(tar -tJf "$tarball" | sed -n "s,^$top/,,p" | grep -v '/$' | LC_ALL=C sort)
tracked=$(cd "$sources" && git ls-files | grep -v '^debian/' |
    while IFS= read -r file; do [[ -f $file ]] && echo "$file"; done | LC_ALL=C sort)
if [[ $held != "$tracked" ]]; then
    echo "FAIL: the tarball's files are not those git tracks (< tarball, > git):" >&2
    diff <(echo "$held") <(echo "$tracked") >&2 || true
    exit 1
fi

tar -xJf "$tarball" -C "$work"
# Nothing in the build may ask git: there is none above the tarball's folder.
export GIT_CEILING_DIRECTORIES=$work GIT_DIR=$work/no-git
# Built without optimisation or debugging information, the quickest to build: it is the tests
# that matter here.
cmake -S "$work/$top" -B "$work/build" -DCMAKE_BUILD_TYPE=None \
    -DKYMORA_DISPLAY_SERVER_TESTS=OFF >"$work/build.log" 2>&1 &&
    cmake --build "$work/build" -j "$(nproc)" >>"$work/build.log" 2>&1 || {
    tail -n 30 "$work/build.log" >&2
    exit 1
}
ctest --test-dir "$work/build" --output-on-failure -j "$(nproc)"
