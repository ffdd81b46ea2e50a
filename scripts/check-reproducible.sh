#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Proves that anyone who builds this commit gets the very bytes that are
# published: the Debian package, skalix.exe, the Windows installer and
# portable zip, the web site, its zip and the page in one file. Builds all
# of them in a clean clone of the commit, in another folder, with another
# umask, time zone and locale, and compares their checksums (and the modes of the web
# site's files) with those of this checkout's own builds (made here first
# where they are missing or out of date; CI has made them already). Where
# they differ, diffoscope shows how, and the check fails.
# Usage: scripts/check-reproducible.sh [--as-built]   (on a checkout with no
# changes of its own: it checks the last commit; --as-built takes this
# checkout's builds as they are, as CI, which has just made them, does)
set -euo pipefail
cd "$(dirname "$0")/.."
repository=$PWD
commit=$(git rev-parse HEAD)

# Both builds take the static Qt for Windows from the same cache, as two
# builders with the same tools would: prepared here, once, where a prebuilt
# copy beside this checkout is at hand, which a clone elsewhere does not see.
scripts/setup.sh git
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
    echo "The checkout has changes of its own; commit them first, as this checks the last commit." >&2
    exit 1
fi
scripts/windows/static-qt.sh >/dev/null
work=$(mktemp -d "${TMPDIR:-/tmp}/skalix-reproducible.XXXXXX")
trap 'rm -rf "$work"' EXIT

# The published files of a build in folder $1, one line each: checksum,
# name (site files: mode, checksum, name).
published() {
    (
        cd "$1"
        sha256sum build-release/skalix_*.deb build-windows/skalix.exe \
            build-windows/Skalix-*-win64-setup.exe build-windows/Skalix-*-win64-portable.zip \
            build-wasm/Skalix-*-web.zip build-wasm/Skalix-*.html
        find build-web -type f -printf '%m ' -exec sha256sum {} \; | sort -k 3
    )
}

# Builds every published file in the folder $1.
build_all() {
    (
        cd "$1"
        cmake --workflow --preset release >/dev/null
        scripts/windows/build.sh "${@:2}" >/dev/null
        scripts/web/build.sh "${@:2}" >/dev/null
    )
}

# Builds in a fresh clone at $1, under umask $2, time zone $3, locale $4.
build_clone() {
    local folder=$1
    mkdir -p "$(dirname "$folder")"
    git clone --quiet --no-local "$repository" "$folder"
    git -C "$folder" checkout --quiet "$commit"
    local started=$SECONDS
    (
        umask "$2"
        export TZ=$3 LC_ALL=$4 LANG=$4
        unset SOURCE_DATE_EPOCH
        build_all "$folder" -DBUILD_TESTING=OFF
    )
    echo "Built in $folder (umask $2, TZ=$3, LC_ALL=$4) in $((SECONDS - started)) s"
}

first=$repository
if [ "${1:-}" != --as-built ]; then
    started=$SECONDS
    build_all "$first"
    echo "This checkout's builds are up to date ($((SECONDS - started)) s)"
fi
second=$work/some/deeper/folder/other-name
build_clone "$second" 002 Pacific/Kiritimati POSIX

published "$first" >"$work/first.sums"
published "$second" >"$work/second.sums"
if cmp -s "$work/first.sums" "$work/second.sums"; then
    echo "Reproducible: $(wc -l <"$work/first.sums") published files are the same, byte for byte."
    exit 0
fi

echo "NOT reproducible: these published files differ between the two builds:"
diff "$work/first.sums" "$work/second.sums" || true
scripts/setup.sh diffoscope-minimal
while read -r _ name; do
    [ -f "$first/$name" ] || continue
    cmp -s "$first/$name" "$second/$name" && continue
    echo "== $name"
    diffoscope --text - --max-text-report-size 200000 "$first/$name" "$second/$name" || true
done < <(sed -E 's/^[0-7]+ //' "$work/first.sums")
exit 1
