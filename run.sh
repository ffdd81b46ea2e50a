#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Skalix as it is released (installing missing Debian packages first)
# and opens its window.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --parallel "$(nproc)" --target skalix

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Skalix is built (build-release/skalix), but there is no display to open its window on." >&2
    echo "Run ./run.sh from a desktop session, or on a machine without one:" >&2
    echo "    sudo apt-get install xvfb && xvfb-run ./run.sh" >&2
    exit 1
fi
exec build-release/skalix
