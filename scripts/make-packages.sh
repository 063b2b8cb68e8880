#!/usr/bin/env bash
# Makes the release packages in dist/: the Debian package of the Linux program, the zip of the
# Windows program and the zip of the web page, and their SHA-256 sums. The Windows program and
# the web page must be built already (make windows web).
#
# The packages are reproducible: every date in them is the changelog entry's
# (SOURCE_DATE_EPOCH), and nothing in them depends on the folder they are built in.
#
# Usage: make-packages.sh PACKAGE_BUILD_DIR WINDOWS_BUILD_DIR WEB_BUILD_DIR [OUTPUT_DIR]
#        (default: dist)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath -m "$1")
windows_exe=$(realpath -m "$2/kymora.exe")
web_page=$(realpath -m "$3/kymora.html")
dist=$(realpath -m "${4:-dist}")
changelog=packaging/debian/changelog
version=$(dpkg-parsechangelog -l "$changelog" -SVersion)
upstream=${version%-*}
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$changelog" -STimestamp)
export SOURCE_DATE_EPOCH
deb=$dist/kymora_${version}_amd64.deb
zip=$dist/kymora-${upstream}-windows-x86_64.zip
web_zip=$dist/kymora-${upstream}-web.zip

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$dist"

# The Linux program, built with Debian's hardening flags and optimisation and installed as
# `make install` lays it out, stripped. It is built without debugging information, which would
# carry the folders' names into its build id.
export DEB_BUILD_MAINT_OPTIONS=hardening=+bindnow
export DEB_CXXFLAGS_STRIP=-g
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
    -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target kymora -- --no-print-directory
root=$work/root
DESTDIR=$root cmake --install "$build_dir" --prefix /usr --strip >/dev/null
strip --remove-section=.comment --remove-section=.note "$root/usr/bin/kymora"

# Debian's documents: the copyright, the compressed changelog and manual page, and the lintian
# overrides with their reasons.
doc=$root/usr/share/doc/kymora
install -D -m 644 packaging/debian/copyright "$doc/copyright"
gzip -9n <"$changelog" >"$doc/changelog.Debian.gz"
gzip -9n "$root/usr/share/man/man1/kymora.1"
install -D -m 644 packaging/debian/lintian-overrides "$root/usr/share/lintian/overrides/kymora"

# The control file: the dependencies worked out from the libraries the program links, and the
# fonts its captions are measured for. The installed size is dpkg's count: each file in whole
# KiB, each directory 1 KiB.
mkdir -p "$work/shlibs/debian"
printf 'Source: kymora\n\nPackage: kymora\nArchitecture: amd64\n' >"$work/shlibs/debian/control"
depends=$(cd "$work/shlibs" && dpkg-shlibdeps -O "$root/usr/bin/kymora" 2>/dev/null |
    sed -n 's/^shlibs:Depends=//p')
find "$root" -type d -exec chmod 755 {} +
find "$root" -type f -exec chmod 644 {} +
chmod 755 "$root/usr/bin/kymora"
installed_size=$(find "$root" \( -type f -printf '%s\n' \) -o -printf 'd\n' |
    awk '$1 == "d" { total += 1; next } { total += int(($1 + 1023) / 1024) } END { print total }')
mkdir -p "$root/DEBIAN"
sed -e "s/@VERSION@/${version}/" -e "s/@INSTALLED_SIZE@/${installed_size}/" \
    -e "s/@DEPENDS@/${depends}/" packaging/debian/control.in >"$root/DEBIAN/control"
(cd "$root" && find usr -type f -print0 | sort -z | xargs -0 md5sum) >"$root/DEBIAN/md5sums"
chmod 644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"
find "$root" -exec touch --no-dereference --date="@$SOURCE_DATE_EPOCH" {} +
dpkg-deb --root-owner-group -Zxz --build "$root" "$deb" >/dev/null

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
# run-time libraries linked into it.
mkdir -p "$work/windows"
cp "$windows_exe" "$work/windows/kymora.exe"
crlf packaging/windows/README.txt.in >"$work/windows/README.txt"
crlf LICENSE >"$work/windows/LICENSE.txt"
notices "Windows" "kymora.exe has the MinGW-w64 run-time libraries built in: the C run-time \
and winpthreads of MinGW-w64, and GCC's libgcc and libstdc++." \
    /usr/share/doc/mingw-w64-common/copyright \
    /usr/share/doc/g++-mingw-w64-x86-64-posix/copyright | crlf >"$work/windows/THIRD-PARTY-NOTICES.txt"
zip_files "$zip" "$work/windows" kymora.exe README.txt LICENSE.txt THIRD-PARTY-NOTICES.txt

# The web page with what installs it as an app from a web server, a short README, the licence and
# the notices of Emscripten's run-time libraries built into it.
mkdir -p "$work/web"
web_files=(kymora.html kymora.webmanifest kymora-sw.js kymora-192.png kymora-512.png
           kymora-maskable.png)
for file in "${web_files[@]}"; do
    cp "$(dirname "$web_page")/$file" "$work/web/$file"
done
crlf packaging/web/README.txt.in >"$work/web/README.txt"
crlf LICENSE >"$work/web/LICENSE.txt"
notices "the web page" "kymora.html has Emscripten's run-time libraries built in: its \
JavaScript support, the musl C library and LLVM's libc++ and libc++abi." \
    /usr/share/doc/emscripten/copyright | crlf >"$work/web/THIRD-PARTY-NOTICES.txt"
zip_files "$web_zip" "$work/web" "${web_files[@]}" README.txt LICENSE.txt THIRD-PARTY-NOTICES.txt

(cd "$dist" && sha256sum "$(basename "$deb")" "$(basename "$zip")" "$(basename "$web_zip")" \
    >SHA256SUMS)

echo "$deb"
echo "$zip"
echo "$web_zip"
echo "$dist/SHA256SUMS"
