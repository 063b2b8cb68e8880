#!/usr/bin/env bash
# Makes the release packages in dist/: the Debian package of the Linux program, the zip of the
# Windows program and the zip of the web page. The Windows program and the web page must be
# built already (make windows web).
#
# Usage: make-packages.sh PACKAGE_BUILD_DIR WINDOWS_BUILD_DIR WEB_BUILD_DIR [OUTPUT_DIR]
#        (default: dist)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath -m "$1")
windows_exe=$(realpath -m "$2/kymora.exe")
web_page=$(realpath -m "$3/kymora.html")
dist=$(realpath -m "${4:-dist}")
version=$(sed -n 's/^kymora (\([0-9.]*\)-\([0-9]*\)).*/\1/p;q' packaging/debian/changelog)
revision=$(sed -n 's/^kymora (\([0-9.]*\)-\([0-9]*\)).*/\2/p;q' packaging/debian/changelog)
deb=$dist/kymora_${version}-${revision}_amd64.deb
zip=$dist/kymora-${version}-windows-x86_64.zip
web_zip=$dist/kymora-${version}-web.zip

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$dist"

# The Linux program, built with Debian's hardening flags and installed as `make install` lays
# it out, stripped.
export DEB_BUILD_MAINT_OPTIONS=hardening=+bindnow
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
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
gzip -9n <packaging/debian/changelog >"$doc/changelog.Debian.gz"
gzip -9n "$root/usr/share/man/man1/kymora.1"
install -D -m 644 packaging/debian/lintian-overrides "$root/usr/share/lintian/overrides/kymora"

# The control file, with the dependencies worked out from the libraries the program links.
mkdir -p "$work/shlibs/debian"
printf 'Source: kymora\n\nPackage: kymora\nArchitecture: amd64\n' >"$work/shlibs/debian/control"
depends=$(cd "$work/shlibs" && dpkg-shlibdeps -O "$root/usr/bin/kymora" 2>/dev/null |
    sed -n 's/^shlibs:Depends=//p')
find "$root" -type d -exec chmod 755 {} +
find "$root" -type f -exec chmod 644 {} +
chmod 755 "$root/usr/bin/kymora"
mkdir -p "$root/DEBIAN"
installed_size=$(du -sk "$root/usr" | cut -f1)
sed -e "s/@VERSION@/${version}-${revision}/" -e "s/@INSTALLED_SIZE@/${installed_size}/" \
    -e "s/@DEPENDS@/${depends}/" packaging/debian/control.in >"$root/DEBIAN/control"
(cd "$root" && find usr -type f -print0 | sort -z | xargs -0 md5sum) >"$root/DEBIAN/md5sums"
chmod 644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"
dpkg-deb --root-owner-group -Zxz --build "$root" "$deb" >/dev/null

# The Windows program with a short README, in Windows' line endings.
mkdir -p "$work/windows"
cp "$windows_exe" "$work/windows/kymora.exe"
sed -e "s/@VERSION@/${version}/" -e 's/$/\r/' packaging/windows/README.txt.in \
    >"$work/windows/README.txt"
rm -f "$zip"
(cd "$work/windows" && cmake -E tar cf "$zip" --format=zip kymora.exe README.txt)

# The web page with a short README and the licence, in Windows' line endings, which every system
# reads.
mkdir -p "$work/web"
cp "$web_page" "$work/web/kymora.html"
sed -e "s/@VERSION@/${version}/" -e 's/$/\r/' packaging/web/README.txt.in >"$work/web/README.txt"
sed -e 's/$/\r/' LICENSE >"$work/web/LICENSE.txt"
rm -f "$web_zip"
(cd "$work/web" && cmake -E tar cf "$web_zip" --format=zip kymora.html README.txt LICENSE.txt)

echo "$deb"
echo "$zip"
echo "$web_zip"
