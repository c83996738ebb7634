#!/usr/bin/env bash
# `cmake --install` puts the program where a desktop finds it: the binary, its launcher entry,
# its AppStream metadata, its icon in the hicolor theme and its manual page; and every one of
# them, the licence files included, tells the identity of the top-level project().
# Usage: install_check.sh BUILD_DIR NAME VERSION COMMENT APP_ID LICENCE COPYRIGHT
set -euo pipefail
build=$1 name=$2 version=$3 comment=$4 id=$5 licence=$6 copyright=$7
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
cmake --install "$build" --prefix "$prefix" >/dev/null
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
man=$prefix/share/man/man1/krimvel.1
for file in bin/krimvel share/icons/hicolor/scalable/apps/$id.svg; do
  [[ -f $prefix/$file ]] || fail "$file was not installed"
done
for size in 16 24 32 48 64 128 256; do
  file -b "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "$size x $size" ||
    fail "no ${size}x$size icon was installed"
done
desktop-file-validate "$desktop"

# Each place that shows the identity, with the line that must be there.
[[ $("$prefix/bin/krimvel" --version) == "$name $version" ]] || fail "krimvel --version"
"$prefix/bin/krimvel" --help | grep -qxF "$name $version - $comment" || fail "krimvel --help"
expect() {
  grep -qF -- "$2" "$1" || fail "${1#"$prefix"/} does not say: $2"
}
expect "$desktop" "Name=$name"
expect "$desktop" "Comment=$comment"
expect "$desktop" "Icon=$id"
# Desktops read a translation under the locale's own name, language_COUNTRY@MODIFIER:
# Serbian in Latin script is sr@latin (sr_Latn is Qt's name for it, read by no desktop).
for key in GenericName Comment Keywords; do
  for locale in sr sr@latin; do expect "$desktop" "$key[$locale]="; done
done
expect "$metainfo" "<id>$id</id>"
expect "$metainfo" "<name translate=\"no\">$name</name>"
expect "$metainfo" "<release version=\"$version\""
expect "$metainfo" "<project_license>$licence</project_license>"
expect "$man" "\"$name $version\""
expect "$man" "$copyright"
expect "$source_dir/LICENSE" "$licence License"
expect "$source_dir/LICENSE" "Copyright (c) $copyright"
expect "$source_dir/debian/copyright" "Copyright: $copyright"
expect "$source_dir/debian/copyright" "License: $licence"
echo PASS
