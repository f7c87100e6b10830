#!/usr/bin/env bash
# Installs what building and testing Varnel needs on Debian or Ubuntu, and
# nothing when everything is already there.
set -eu
packages="cmake ninja-build g++ clang libclang-rt-dev googletest mingw-w64 g++-mingw-w64-x86-64-posix
          wine wine64 fonts-wine xvfb xauth locales fonts-ipafont-gothic imagemagick x11-utils
          python3 unzip"
# The window manager of the test display (scripts/display.sh).
packages="$packages openbox"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
sudo=""
[ "$(id -u)" = 0 ] || sudo=sudo
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    $sudo apt-get update -qq
    # libclang-rt-dev is Debian's name; Ubuntu ships the fuzzer runtime with clang itself.
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing >/dev/null ||
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq ${missing/libclang-rt-dev/} >/dev/null
fi
# Japanese for code page 932; English for the tests that show the programs
# keep it on a system whose code page is another.
for name in ja_JP en_US; do
    locale -a 2>/dev/null | grep -qi "^$name\.utf-\?8$" && continue
    echo "Generating the $name.UTF-8 locale"
    $sudo sed -i "s/^# *$name.UTF-8/$name.UTF-8/" /etc/locale.gen
    grep -q "^$name.UTF-8" /etc/locale.gen || echo "$name.UTF-8 UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
done
