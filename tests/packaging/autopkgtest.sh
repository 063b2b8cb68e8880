#!/usr/bin/env bash
# The source package's autopkgtest against the built package, on this machine (autopkgtest's
# null runner). It installs the package and its tests' dependencies, so it needs root, or sudo
# without a password; a package that was not installed before is removed again afterwards.
# Usage: autopkgtest.sh DIST WORK_FOLDER
set -euo pipefail
dist=$(realpath "$1")
work=$(realpath -m "$2")
if [[ $(id -u) -eq 0 ]]; then
    as_root=()
elif sudo -n true 2>/dev/null; then
    as_root=(sudo -n)
else
    echo "autopkgtest cannot run here: it installs the package, which needs root or sudo" \
        "without a password"
    exit 1
fi
installed_before=$(dpkg-query -W -f='${Status}' kymora 2>/dev/null || true)
remove_again() {
    [[ $installed_before == "install ok installed" ]] ||
        "${as_root[@]}" dpkg --purge kymora >/dev/null 2>&1 || true
}
trap remove_again EXIT
rm -rf "$work"
status=0
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive autopkgtest --output-dir "$work" \
    "$dist"/kymora_*.dsc "$dist"/kymora_*_amd64.deb -- null || status=$?
cat "$work/summary" 2>/dev/null || true
exit "$status"
