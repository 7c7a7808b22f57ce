#!/usr/bin/env bash
# Installs the Debian packages Tolvane needs to build, run and test, only those that are missing,
# so a second run is quick. Run as root (or with sudo available).
set -euo pipefail

packages=(
    # build
    g++ cmake ninja-build pkg-config
    # the second compiler, and libFuzzer with the sanitizer runtimes for the fuzz targets
    clang libclang-rt-14-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
    # the stored design's JSON reader (header-only, so the Windows build uses it as well)
    nlohmann-json3-dev
    # the StylerButton's Qt Designer plugin (Qt's UiPlugin interface) and Designer itself
    qt6-tools-dev qt6-tools-dev-tools
    # the StylerButton's QML module, its Qt Quick tests and the qml tool that runs its example
    qt6-declarative-dev qml6-module-qttest qml6-module-qtquick qml6-module-qtquick-window qml-qt6
    # run: Chinese translation of Qt's dialogs and the fonts the window's texts use
    qt6-translations-l10n fonts-arphic-uming fonts-liberation fonts-dejavu-core
    # test and benchmark
    libgtest-dev libgmock-dev libbenchmark-dev
    # whole-program tests: a virtual display, a window manager, input and screenshot tools
    # (xfwm4 reads its settings over D-Bus: dbus-x11 starts a session bus for it)
    xvfb xauth xfwm4 dbus-x11 xdotool x11-utils imagemagick
    # native Wayland: Qt's Wayland platform plugin and libwayland-client (the window asks the
    # compositor whether it draws title bars), and the Wayland tests' compositors (sway, weston
    # on Xvfb) and clients (keys, screenshots, setpriv to run them as a user; the test's virtual
    # pointer is built with wayland-scanner, which comes with libwayland-dev)
    qt6-wayland libwayland-dev sway weston wtype grim util-linux
    # the assistive-technology test: a session bus, the AT-SPI bus and registry, a pyatspi client
    dbus-daemon dbus-bin at-spi2-core python3 python3-pyatspi
    # install and package checks: the desktop entry and AppStream validators, lintian, and
    # dpkg-shlibdeps with file and binutils, which cpack -G DEB uses to find the dependencies
    desktop-file-utils appstream lintian dpkg-dev file binutils
    # whole-program measurements (scripts/perf)
    time gdb linux-perf xrestop
    # the Windows build: the MinGW-w64 cross compiler and binutils (windres), Wine to run its
    # tests and the program, and Wine's own fonts (Tahoma, the system faces) for its interface
    g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine64 fonts-wine
    # the Windows installer (wixl, from msitools) and its test's reader of the version resource
    # (wrestool, from icoutils)
    wixl icoutils
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "setup: all ${#packages[@]} packages present"
    exit 0
fi

echo "setup: installing ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "setup: done"
