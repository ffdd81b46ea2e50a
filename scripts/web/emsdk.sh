#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes Debian's emscripten package look like the "emsdk" folder that Qt's
# CMake files for WebAssembly expect, and prints that folder:
#   $EMSDK/.emscripten   emscripten's configuration (also EM_CONFIG), whose
#                        EMSCRIPTEN_ROOT Qt reads relative to $EMSDK;
#   $EMSDK/upstream/emscripten/   emcc & co. and cmake/Modules/..., as links
#                        into Debian's /usr/share/emscripten and /usr/bin.
# Use: EMSDK=$(scripts/web/emsdk.sh DIR); export EMSDK EM_CONFIG=$EMSDK/.emscripten
set -euo pipefail
dir=$(realpath -m "$1")
root=$dir/upstream/emscripten
mkdir -p "$root"
for entry in /usr/share/emscripten/*; do
    ln -sfn "$entry" "$root/$(basename "$entry")"
done
for tool in emcc em++ emar emranlib em-config emcmake emmake; do
    ln -sfn "/usr/bin/$tool" "$root/$tool"
done
# Debian's settings, but the root relative to the folder as Qt reads it.
# Debian's prebuilt libraries are all a Qt build and Skalix need, so the
# cache stays frozen. The configuration is Python, run by emscripten: the
# node modules emscripten's optimizer needs (acorn) are Debian's, in
# /usr/share/nodejs, where a node not built by Debian does not look.
{
    grep -v -e '^EMSCRIPTEN_ROOT' /usr/share/emscripten/.emscripten
    cat <<'SETTINGS'

EMSCRIPTEN_ROOT = 'upstream/emscripten'
import os
os.environ.setdefault('NODE_PATH', '/usr/share/nodejs')
SETTINGS
} >"$dir/.emscripten"
echo "$dir"
