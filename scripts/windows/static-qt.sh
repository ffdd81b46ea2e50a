#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes sure a static Qt for Windows x86-64 is there and prints its folder.
# Qt for Windows is not packaged in Debian, so it is made from Debian's own
# qt6-base source (the pinned version below, with Debian's CVE patches and
# our one fix) with Debian's mingw-w64 compilers: about 26 minutes on two
# cores. The result is kept in a cache folder outside the repository, and a
# prebuilt copy of the very same build is taken instead when one is at hand
# (../shared/windows/ beside the project) and its checksum matches.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

debian_version=6.4.2+dfsg-10
prebuilt=${SKALIX_WINDOWS_QT_TARBALL:-$root/../shared/windows/qt6.4.2-win64-static.tar.gz}
prebuilt_sha256=94598c31ccfb7dcc3d786186e3fc0eabec7bc3b73b92f7d298ed9a51bc2522dd
cache=${SKALIX_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/skalix-windows}
prefix=$cache/qt-$debian_version-win64-static

log() { echo "$*" >&2; }

if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi
rm -rf "$prefix"
mkdir -p "$cache"

if [ -f "$prebuilt" ] && echo "$prebuilt_sha256  $prebuilt" | sha256sum --check --status; then
    log "Static Qt: unpacking the prebuilt copy $prebuilt"
    unpacked=$(mktemp -d "$cache/unpack.XXXXXX")
    tar -xzf "$prebuilt" -C "$unpacked"
    mv "$unpacked"/* "$prefix"
    rmdir "$unpacked"
    touch "$prefix/.complete"
    echo "$prefix"
    exit 0
fi

log "Static Qt: building it from Debian's qt6-base $debian_version (about half an hour)"
"$root/scripts/setup.sh" ninja-build curl xz-utils qt6-base-dev-tools \
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64

work=$cache/build-$debian_version
rm -rf "$work"
mkdir -p "$work"
cd "$work"
# The source package's two files, from the archive or, once the version
# has left it, from the snapshot archive; checked against the checksums of
# the version's .dsc.
for file in "qt6-base_6.4.2+dfsg.orig.tar.xz 4f14b89a9463a540fd84a6718b8519a2297119b454ef547721015a9e9019ae9e" \
            "qt6-base_${debian_version}.debian.tar.xz d1a2621b1acb1606db7274ccdb96654564cea04af836c5b86da94e150714d16c"; do
    set -- $file
    for mirror in http://deb.debian.org/debian \
                  http://snapshot.debian.org/archive/debian/20250520T000000Z; do
        curl -sSfL -o "$1" "$mirror/pool/main/q/qt6-base/$1" && break
    done
    echo "$2  $1" | sha256sum --check --quiet >&2
done
tar -xf qt6-base_*.orig.tar.xz
source_dir=$(find . -maxdepth 1 -type d -name 'qtbase-everywhere-src-*' | head -n 1)
tar -xf qt6-base_*.debian.tar.xz -C "$source_dir"
# Debian's security fixes, then ours.
grep -i '^cve' "$source_dir/debian/patches/series" | while read -r patch; do
    log "applying $patch"
    patch -d "$source_dir" -p1 --quiet <"$source_dir/debian/patches/$patch"
done
patch -d "$source_dir" -p1 --quiet <"$here/qt-6.4.2-no-direct2d.patch"

mkdir build
cd build
"../$source_dir/configure" -prefix "$prefix" -static -static-runtime -release \
    -xplatform win32-g++ -qt-host-path /usr -nomake examples -nomake tests \
    -no-opengl -no-dbus -no-icu -no-pkg-config -no-vulkan -qt-zlib -qt-pcre -qt-libpng \
    -qt-freetype -qt-harfbuzz -qt-doubleconversion -qt-libjpeg -no-feature-sql \
    -no-feature-network -no-feature-xml -no-feature-concurrent -no-feature-printsupport \
    -no-feature-tabletevent -no-feature-direct2d -no-zstd \
    -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >&2
ninja -j"$(nproc)" >&2
ninja install >&2
touch "$prefix/.complete"
cd "$cache"
rm -rf "$work"
echo "$prefix"
