#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes sure a static Qt for Windows x86-64 is there and prints its folder.
# Qt for Windows is not packaged in Debian, so it is made from Debian's own
# qt6-base source (with Debian's CVE patches and our one fix) with Debian's
# mingw-w64 compilers: about 26 minutes on two cores. The result is kept in
# a cache folder outside the repository, and a prebuilt copy of the very
# same build is taken instead when one is at hand (../shared/windows/
# beside the project) and its checksum matches.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
source "$root/scripts/static-qt-common.sh"

prebuilt=${SKALIX_WINDOWS_QT_TARBALL:-$root/../shared/windows/qt6.4.2-win64-static.tar.gz}
prebuilt_sha256=94598c31ccfb7dcc3d786186e3fc0eabec7bc3b73b92f7d298ed9a51bc2522dd
cache=${SKALIX_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/skalix-windows}
prefix=$cache/qt-$debian_version-win64-static

use_cached_or_prebuilt "$prefix" "$prebuilt" "$prebuilt_sha256" && exit 0

log "Static Qt: building it from Debian's qt6-base $debian_version (about half an hour)"
"$root/scripts/setup.sh" ninja-build curl xz-utils qt6-base-dev-tools \
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64
work=$cache/build-$debian_version
source_dir=$(fetch_qt_source "$work")
patch -d "$source_dir" -p1 --quiet <"$here/qt-6.4.2-no-direct2d.patch"

mkdir "$work/build"
cd "$work/build"
"$source_dir/configure" -prefix "$prefix" -static -static-runtime -release \
    -xplatform win32-g++ -qt-host-path /usr -nomake examples -nomake tests \
    -no-opengl -no-dbus -no-icu -no-pkg-config -no-vulkan -qt-zlib -qt-pcre -qt-libpng \
    -qt-freetype -qt-harfbuzz -qt-doubleconversion -qt-libjpeg -no-feature-sql \
    -no-feature-network -no-feature-xml -no-feature-concurrent -no-feature-printsupport \
    -no-feature-tabletevent -no-feature-direct2d -no-zstd \
    -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >&2
build_and_install "$work" "$prefix"
