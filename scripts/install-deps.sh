#!/usr/bin/env bash
# Installs the Debian packages that Kymora needs for one purpose, when any is missing, and for
# the tests the npm modules of the browser tests. Uses sudo when not run as root. Quiet when
# everything is there already.
#
# Usage: install-deps.sh run|test|package
#   run      building and running the Linux program: the compiler, CMake, Qt and the fonts;
#   package  also the Windows and web builds (MinGW-w64, Emscripten) and the packaging tools;
#   test     everything: also Wine, the browsers, display servers and the test tools.
set -euo pipefail
purpose=${1:?usage: install-deps.sh run|test|package}

run=(
    cmake
    g++
    make
    qt6-base-dev
    libxcb1-dev
    qt6-wayland
    fonts-liberation2
    gettext
)
# The Windows program and the web page, and the release packages made of them.
package=(
    "${run[@]}"
    build-essential
    g++-mingw-w64-x86-64-posix
    binutils-mingw-w64-x86-64
    emscripten
    doctest-dev
    qt6-base-private-dev
    desktop-file-utils
    appstream
    dpkg-dev
    debhelper
    wixl
    msitools
    faketime
    python3
    zip
    xz-utils
)
test=(
    "${package[@]}"
    weston
    libxcb1-dev
    pkg-config
    libbenchmark-dev
    xvfb
    xauth
    strace
    xdotool
    dbus-daemon
    openbox
    wine
    wine64
    locales
    icoutils
    fonts-wine
    lintian
    autopkgtest
    python3-xlib
    unzip
    mandoc
    chromium
    firefox-esr
    webkit2gtk-driver
)
case $purpose in
    run) packages=("${run[@]}") ;;
    package) packages=("${package[@]}") ;;
    test) packages=("${test[@]}") ;;
    *)
        echo "install-deps: no purpose \"$purpose\": use run, test or package" >&2
        exit 2
        ;;
esac

# The web page's tests drive Chromium with Playwright, Firefox with Puppeteer and WebKitGTK with
# Selenium, and check accessibility with axe-core, all from the npm registry as the lock file
# pins them; no browser is downloaded.
install_node_modules() {
    cd "$(dirname "$0")/.."
    local pinned='const wanted = require("./package.json").devDependencies;
                  process.exit(Object.entries(wanted).every(([name, version]) => {
                      try { return require("./node_modules/" + name + "/package.json").version === version; }
                      catch { return false; } }) ? 0 : 1)'
    node -e "${pinned}" 2>/dev/null ||
        PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error
}

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
node_modules() {
    [[ $purpose != test ]] || install_node_modules
}
if [[ ${#missing[@]} -eq 0 ]]; then
    node_modules
    exit 0
fi

echo "Installing: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
    sudo=()
elif command -v sudo >/dev/null; then
    sudo=(sudo)
else
    echo "install-deps: these packages are missing and there is no sudo: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
node_modules
