#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Skalix needs to build and test, when they are missing.
# Usage: scripts/setup.sh [extra-package ...]
set -euo pipefail

packages=(cmake g++ make ninja-build pkg-config qt6-base-dev qt6-wayland qt6-translations-l10n
          libfast-float-dev libfmt-dev fonts-liberation2 fonts-dejavu-core "$@")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing Debian packages: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

# Another package manager may hold apt's or dpkg's lock: on a fresh desktop
# the automatic updates do, for minutes after boot. Then this waits for it,
# saying so, and gives up only after SKALIX_APT_LOCK_WAIT seconds (ten
# minutes). apt waits for dpkg's lock itself, a while at a time
# (DPkg::Lock::Timeout); the lock of its package lists it does not wait
# for, so each step is tried again while a lock is held.
lock_wait=${SKALIX_APT_LOCK_WAIT:-600}
minutes=$(((lock_wait + 59) / 60))
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
locked() { grep -qE "Could not get lock|Unable to lock|Unable to acquire" "$errors"; }
apt_get() {
    local started=$SECONDS said=""
    until "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -qq -o DPkg::Lock::Timeout=10 \
        "$@" >/dev/null 2>"$errors"; do
        if locked && ((SECONDS - started < lock_wait)); then
            [ -n "$said" ] || echo "Another package manager is busy (automatic updates?):" \
                "waiting up to $minutes minutes for it to finish ..."
            said=yes
            sleep 5
            continue
        fi
        cat "$errors" >&2
        if locked; then
            echo "The package manager was still busy after $minutes minutes. Let it" \
                "finish (or set SKALIX_APT_LOCK_WAIT to wait longer), then try again." >&2
        else
            echo "Could not install ${missing[*]}: apt-get $1 failed (see above)." >&2
        fi
        exit 1
    done
}
apt_get update
apt_get install -y --no-install-recommends "${missing[@]}"
