#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Serves the web build (build-web/, made by scripts/web/build.sh) on
# 127.0.0.1 for a look in the browser: http://127.0.0.1:8080/
# Usage: scripts/web/serve.sh [PORT]
set -euo pipefail
cd "$(dirname "$0")/../.."
[ -f build-web/index.html ] || { echo "No build-web/ yet: run scripts/web/build.sh first." >&2; exit 1; }
exec node scripts/web/serve.mjs build-web "${1:-8080}"
