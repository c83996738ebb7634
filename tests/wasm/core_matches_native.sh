#!/usr/bin/env bash
# The WebAssembly core, loaded through core.js in Node, prints, places and says exactly what the
# native core does after the same long sequence of presses: every command several times, the
# instructions in between, so the generator's state carries across commands in both.
# The core is built with Emscripten into BUILD_DIR, which keeps it between runs: only what
# changed is built again.
# Usage: core_matches_native.sh SOURCE_DIR BUILD_DIR CORE_SEQUENCE
set -euo pipefail
source_dir=$1
build_dir=$2
core_sequence=$3
# Debian's emscripten runs its JavaScript optimiser on Node with Debian's acorn.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

if [[ ! -f $build_dir/build.ninja ]]; then
  emcmake cmake -S "$source_dir" -B "$build_dir" -G Ninja >"$build_dir.configure.log" 2>&1 ||
    { cat "$build_dir.configure.log" >&2; exit 1; }
fi
# The core alone: the page around it is tools/package-web's, with what it installs.
cmake --build "$build_dir" --target krimvel_core

presses=(computer combination number instructions computer computer number number combination
         instructions combination combination computer instructions number computer number)
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
"$core_sequence" --runs "${presses[@]}" >"$workdir/native"
node "$source_dir/web/core/sequence.mjs" "$build_dir/web/core/krimvel-core.wasm" --runs \
  "${presses[@]}" >"$workdir/wasm"
if ! cmp -s "$workdir/native" "$workdir/wasm"; then
  echo "FAIL: the WebAssembly core differs from the native one (- native, + wasm):" >&2
  diff -u "$workdir/native" "$workdir/wasm" | head -40 >&2
  exit 1
fi
echo "the same $(grep -c '^@' "$workdir/native") runs and $(grep -c '^>' "$workdir/native") spoken lines after ${#presses[@]} presses"
