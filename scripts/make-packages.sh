#!/usr/bin/env bash
# Makes the release packages in dist/, with their SHA-256 sums:
#  - the Debian source package (.dsc, the upstream tarball and the debian/ tarball) and the
#    packages debhelper builds from it (the program and its debugging symbols), with the
#    .changes and .buildinfo;
#  - the Windows program as a zip and as an installer (MSI);
#  - the web page as a zip.
# The Windows program and the web page must be built already (make windows web).
#
# The packages are reproducible: every date in them is the changelog entry's
# (SOURCE_DATE_EPOCH), and nothing in them depends on the folder they are built in.
# DEB_BUILD_OPTIONS=nocheck builds the Debian packages without running the tests.
#
# Usage: make-packages.sh PACKAGE_BUILD_DIR WINDOWS_BUILD_DIR WEB_BUILD_DIR [OUTPUT_DIR]
#        (default: dist)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath -m "$1")
windows_exe=$(realpath -m "$2/kymora.exe")
web_page=$(realpath -m "$3/kymora.html")
dist=$(realpath -m "${4:-dist}")
upstream=$(head -n 1 VERSION)
version=$(dpkg-parsechangelog -SVersion)
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -STimestamp)
export SOURCE_DATE_EPOCH
# The Debian changelog's newest entry is for this version, released on its day.
released=$(sed -n 's/^set(KYMORA_RELEASE_DATE \([0-9-]*\))$/\1/p' CMakeLists.txt)
if [[ ${version%-*} != "$upstream" || $(date -u -d "@$SOURCE_DATE_EPOCH" +%F) != "$released" ]]; then
    echo "make-packages: debian/changelog's entry ${version}, $(date -u -d "@$SOURCE_DATE_EPOCH" +%F)," \
        "is not for version $upstream of VERSION, released $released (CMakeLists.txt)" >&2
    exit 1
fi
zip=$dist/kymora-${upstream}-windows-x86_64.zip
msi=$dist/kymora-${upstream}-x64.msi
web_zip=$dist/kymora-${upstream}-web.zip

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rm -rf "$dist"
mkdir -p "$dist"

# The upstream tarball: the files git tracks, without debian/, as a release tarball holds them.
orig_tarball() {
    scripts/source-files.sh | grep -zv '^debian/' |
        tar --null --no-recursion --format=gnu --mtime="@$SOURCE_DATE_EPOCH" --owner=0 \
            --group=0 --numeric-owner --mode='go=rX,u+rw,a-s' \
            --transform="s,^,kymora-${upstream}/," -cf - -T - |
        xz -9 -T1
}

# The Debian packages, built by dpkg-buildpackage from the source package as a distribution's
# build machine builds them, in a folder of their own.
debian_packages() {
    local tree=$build_dir/kymora-$upstream
    rm -rf "$build_dir"
    mkdir -p "$build_dir"
    orig_tarball >"$build_dir/kymora_${upstream}.orig.tar.xz"
    tar -xJf "$build_dir/kymora_${upstream}.orig.tar.xz" -C "$build_dir"
    scripts/source-files.sh | grep -z '^debian/' | tar --null -T - -cf - | tar -xf - -C "$tree"
    local profiles=()
    [[ " ${DEB_BUILD_OPTIONS:-} " == *" nocheck "* ]] && profiles=(-Pnocheck)
    (cd "$tree" &&
        DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }parallel=$(nproc)" \
            dpkg-buildpackage -us -uc "${profiles[@]}" >"$build_dir/build.log" 2>&1) || {
        tail -n 50 "$build_dir/build.log" >&2
        return 1
    }
    cp "$build_dir/kymora_${upstream}.orig.tar.xz" "$build_dir"/kymora*_"${version}"[._]* "$dist/"
}

# A text in Windows' line endings, which every system reads.
crlf() {
    sed -e "s/@VERSION@/${upstream}/" -e 's/$/\r/' "$@"
}

# The notices of what a binary carries built in, from the Debian packages it came from.
notices() {
    local what=$1 carries=$2
    shift 2
    sed -e "s/@WHAT@/${what}/" -e "s/@CARRIES@/${carries}/" packaging/third-party-notices.txt.in
    for copyright in "$@"; do
        printf '\n\n==== %s ====\n\n' "$copyright"
        cat "$copyright"
    done
}

# A zip of files, in the order given, every entry dated the release's date and nothing else of
# the files' own kept (no extra fields: no access or change times, owners or groups).
zip_files() {
    local zip=$1 folder=$2
    shift 2
    rm -f "$zip"
    (cd "$folder" && touch --date="@$SOURCE_DATE_EPOCH" "$@" && chmod 644 "$@" &&
        TZ=UTC zip -q -X -9 "$zip" "$@")
}

# The Windows program with a short README, the licence and the notices of the MinGW-w64
# run-time libraries linked into it: a zip, and an installer of the same files.
windows_packages() {
    local folder=$work/windows
    mkdir -p "$folder"
    cp "$windows_exe" "$folder/kymora.exe"
    crlf packaging/windows/README.txt.in >"$folder/README.txt"
    crlf LICENSE >"$folder/LICENSE.txt"
    notices "Windows" "kymora.exe has the MinGW-w64 run-time libraries built in: the C run-time \
and winpthreads of MinGW-w64, and GCC's libgcc and libstdc++." \
        /usr/share/doc/mingw-w64-common/copyright \
        /usr/share/doc/g++-mingw-w64-x86-64-posix/copyright | crlf >"$folder/THIRD-PARTY-NOTICES.txt"
    zip_files "$zip" "$folder" kymora.exe README.txt LICENSE.txt THIRD-PARTY-NOTICES.txt
    scripts/make-msi.sh "$folder" "$upstream" "$msi"
}

# The web page with what installs it as an app from a web server, a short README, the licence
# and the notices of Emscripten's run-time libraries built into it.
web_package() {
    local folder=$work/web
    local files=(kymora.html kymora.webmanifest kymora-sw.js kymora-192.png kymora-512.png
                 kymora-maskable.png)
    mkdir -p "$folder"
    for file in "${files[@]}"; do
        cp "$(dirname "$web_page")/$file" "$folder/$file"
    done
    crlf packaging/web/README.txt.in >"$folder/README.txt"
    crlf LICENSE >"$folder/LICENSE.txt"
    notices "the web page" "kymora.html has Emscripten's run-time libraries built in: its \
JavaScript support, the musl C library and LLVM's libc++ and libc++abi." \
        /usr/share/doc/emscripten/copyright | crlf >"$folder/THIRD-PARTY-NOTICES.txt"
    zip_files "$web_zip" "$folder" "${files[@]}" README.txt LICENSE.txt THIRD-PARTY-NOTICES.txt
}

debian_packages
windows_packages
web_package

# The sums of what is released; the .changes and .buildinfo describe the build machine and stay
# out of them.
(cd "$dist" && sha256sum -- *.deb *.dsc *.tar.xz *.msi *.zip >SHA256SUMS)
ls -1 "$dist"/*
