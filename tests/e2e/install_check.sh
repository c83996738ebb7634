#!/usr/bin/env bash
# `cmake --install` puts the program where a desktop finds it: the binary, its launcher entry,
# its AppStream metadata and its icon in the hicolor theme, and the entry names the icon.
# Usage: install_check.sh BUILD_DIR
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null
id=io.github.krimvel.KRIMVEL
for file in bin/krimvel share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
            share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/256x256/apps/$id.png \
            share/icons/hicolor/scalable/apps/$id.svg; do
  [[ -f $prefix/$file ]] || { echo "FAIL: $file was not installed" >&2; exit 1; }
done
[[ $("$prefix/bin/krimvel" --version) == "KRIMVEL 1.00" ]] || { echo "FAIL: installed binary" >&2; exit 1; }
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop"
desktop-file-validate "$prefix/share/applications/$id.desktop"
echo PASS
