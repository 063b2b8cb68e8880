#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Kymora need, when any is
# missing. Uses sudo when not run as root. Quiet when everything is there already.
set -euo pipefail

packages=(
    cmake
    g++
    make
    qt6-base-dev
    qt6-base-private-dev
    qt6-wayland
    weston
    libxcb1-dev
    pkg-config
    libgl-dev
    libbenchmark-dev
    doctest-dev
    fonts-liberation2
    xvfb
    xauth
    desktop-file-utils
    appstream
    strace
    xdotool
    g++-mingw-w64-x86-64-posix
    binutils-mingw-w64-x86-64
    wine
    wine64
    icoutils
    fonts-wine
    dpkg-dev
    debhelper
    lintian
    autopkgtest
    python3-xlib
    wixl
    msitools
    faketime
    unzip
    mandoc
    zip
    emscripten
    chromium
    firefox-esr
    webkit2gtk-driver
)

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
if [[ ${#missing[@]} -eq 0 ]]; then
    install_node_modules
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
install_node_modules
