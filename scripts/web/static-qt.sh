#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes sure a static, single-threaded Qt for WebAssembly is there and
# prints its folder. Qt for WebAssembly is not packaged in Debian, so it is
# made from Debian's own qt6-base source (with Debian's CVE patches) with
# Debian's emscripten: about half an hour on two cores. The result is kept
# in a cache folder outside the repository, and a prebuilt copy of the very
# same build is taken instead when one is at hand (../shared/web/ beside
# the project) and its checksum matches. The emsdk folder it is built with
# (scripts/web/emsdk.sh) lies beside it in the cache.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
source "$root/scripts/static-qt-common.sh"

prebuilt=${SKALIX_WEB_QT_TARBALL:-$root/../shared/web/qt6.4.2-wasm-static.tar.gz}
prebuilt_sha256=c19c4abc023bf86220a99e99987bf03ff5f94e6740a7d6150d326056842bbee3
cache=${SKALIX_WEB_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/skalix-web}
prefix=$cache/qt-$debian_version-wasm-static

use_cached_or_prebuilt "$prefix" "$prebuilt" "$prebuilt_sha256" && exit 0

log "Static Qt: building it from Debian's qt6-base $debian_version (about half an hour)"
"$root/scripts/setup.sh" ninja-build curl xz-utils qt6-base-dev-tools emscripten
EMSDK=$("$here/emsdk.sh" "$cache/emsdk")
export EMSDK EM_CONFIG=$EMSDK/.emscripten
work=$cache/build-$debian_version
source_dir=$(fetch_qt_source "$work")

mkdir "$work/build"
cd "$work/build"
"$source_dir/configure" -prefix "$prefix" -static -release -xplatform wasm-emscripten \
    -qt-host-path /usr -nomake examples -nomake tests -no-feature-thread -opengl es2 \
    -no-dbus -no-icu -no-pkg-config -no-vulkan -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg \
    -qt-freetype -qt-harfbuzz -qt-doubleconversion -no-feature-sql -no-feature-network \
    -no-feature-xml -no-feature-concurrent -no-feature-printsupport -no-zstd \
    -- -G Ninja -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >&2
build_and_install "$work" "$prefix"
