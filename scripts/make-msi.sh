#!/usr/bin/env bash
# Makes the Windows installer (an MSI, with Debian's wixl) of the Windows program in FOLDER:
# kymora.exe, README.txt, LICENSE.txt and THIRD-PARTY-NOTICES.txt, and the icon from the sources.
#
# The installer is reproducible. wixl takes a random package code and the clock's time, and
# the cabinet keeps the files' dates: the product code is a name-based UUID of the UpgradeCode
# and the version, the package code one of everything that goes in, and the files and wixl's
# clock are set to the release's date (SOURCE_DATE_EPOCH).
#
# Usage: make-msi.sh FOLDER VERSION OUTPUT    (VERSION as the program shows it: 1.00)
set -euo pipefail
sources=$(cd "$(dirname "$0")/.." && pwd)
folder=$(realpath "$1")
version=$2
output=$(realpath -m "$3")
: "${SOURCE_DATE_EPOCH:?the release date is needed}"
wxs=$sources/packaging/windows/kymora.wxs

upgrade_code=$(sed -n 's/.*UpgradeCode="\([^"]*\)".*/\1/p' "$wxs")
uuid_of() {
    python3 -c 'import sys, uuid; print(str(uuid.uuid5(uuid.UUID(sys.argv[1]), sys.argv[2])).upper())' \
        "$upgrade_code" "$1"
}
product_code=$(uuid_of "product $version")

cp "$sources/resources/icon/kymora.ico" "$folder/kymora.ico"
files=(kymora.exe kymora.ico README.txt LICENSE.txt THIRD-PARTY-NOTICES.txt)
touch --date="@$SOURCE_DATE_EPOCH" "${files[@]/#/$folder/}"
package_code=$( (cd "$folder" && sha256sum "${files[@]}" && sha256sum <"$wxs") | sha256sum | cut -c1-64)
package_code=$(uuid_of "package $version $package_code")

export TZ=UTC
at_release=(faketime "@$SOURCE_DATE_EPOCH")
rm -f "$output"
(cd "$folder" && "${at_release[@]}" wixl --arch x64 -D Version="$version" \
    -D ProductCode="$product_code" -o "$output" "$wxs")
"${at_release[@]}" msibuild "$output" -s "Kymora $version" "The Kymora developers" "x64;1033" \
    "{$package_code}"
rm "$folder/kymora.ico"
