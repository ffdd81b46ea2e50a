# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by scripts/windows/static-qt.sh, which makes sure a static Qt for
# Windows is there and prints its folder: a Qt in the cache folder is used
# as it is; a prebuilt copy of the very same build is unpacked when one is
# at hand and its checksum matches; otherwise Debian's own qt6-base source,
# at the pinned version below and checked against the checksums of its
# .dsc, is fetched, unpacked and given Debian's security fixes, for the
# caller to configure and build.

debian_version=6.4.2+dfsg-10

log() { echo "$*" >&2; }

# use_cached_or_prebuilt PREFIX TARBALL SHA256: prints PREFIX and returns 0
# when the Qt is there or could be unpacked from the tarball; returns 1
# when it has to be built.
use_cached_or_prebuilt() {
    local prefix=$1 tarball=$2 sha256=$3
    if [ -f "$prefix/.complete" ]; then
        echo "$prefix"
        return 0
    fi
    rm -rf "$prefix"
    mkdir -p "$(dirname "$prefix")"
    if [ -f "$tarball" ] && echo "$sha256  $tarball" | sha256sum --check --status; then
        log "Static Qt: unpacking the prebuilt copy $tarball"
        local unpacked
        unpacked=$(mktemp -d "$(dirname "$prefix")/unpack.XXXXXX")
        tar -xzf "$tarball" -C "$unpacked"
        mv "$unpacked"/* "$prefix"
        rmdir "$unpacked"
        touch "$prefix/.complete"
        echo "$prefix"
        return 0
    fi
    return 1
}

# fetch_qt_source WORK: Debian's qt6-base source, unpacked in WORK with
# Debian's CVE patches applied; prints the source folder's path.
fetch_qt_source() {
    local work=$1
    rm -rf "$work"
    mkdir -p "$work"
    # The source package's two files, from the archive or, once the version
    # has left it, from the snapshot archive.
    local entry file sum mirror
    for entry in "qt6-base_6.4.2+dfsg.orig.tar.xz 4f14b89a9463a540fd84a6718b8519a2297119b454ef547721015a9e9019ae9e" \
                 "qt6-base_${debian_version}.debian.tar.xz d1a2621b1acb1606db7274ccdb96654564cea04af836c5b86da94e150714d16c"; do
        read -r file sum <<<"$entry"
        for mirror in http://deb.debian.org/debian \
                      http://snapshot.debian.org/archive/debian/20250520T000000Z; do
            curl -sSfL -o "$work/$file" "$mirror/pool/main/q/qt6-base/$file" && break
        done
        (cd "$work" && echo "$sum  $file" | sha256sum --check --quiet >&2)
    done
    tar -xf "$work"/qt6-base_*.orig.tar.xz -C "$work"
    local source_dir
    source_dir=$(find "$work" -maxdepth 1 -type d -name 'qtbase-everywhere-src-*' | head -n 1)
    tar -xf "$work"/qt6-base_*.debian.tar.xz -C "$source_dir"
    local patch_name
    grep -i '^cve' "$source_dir/debian/patches/series" | while read -r patch_name; do
        log "applying $patch_name"
        patch -d "$source_dir" -p1 --quiet <"$source_dir/debian/patches/$patch_name"
    done
    echo "$source_dir"
}

# build_and_install WORK PREFIX: builds and installs the Qt configured in
# the current folder into PREFIX, marks it complete, removes WORK and
# prints PREFIX.
build_and_install() {
    local work=$1 prefix=$2
    ninja -j"$(nproc)" >&2
    ninja install >&2
    touch "$prefix/.complete"
    cd "$(dirname "$work")"
    rm -rf "$work"
    echo "$prefix"
}
