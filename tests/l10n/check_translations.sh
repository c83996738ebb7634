#!/usr/bin/env bash
# Fails when a translation is not complete: a string in the sources that a .ts file lacks,
# an entry still marked unfinished or left empty, or an entry the sources no longer have.
# Runs lupdate on a copy, so the .ts files in the tree are never touched.
# Usage: check_translations.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1
source_dir=$2
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT

status=0
for ts in "$source_dir"/resources/translations/*.ts; do
  name=$(basename "$ts")
  cp "$ts" "$workdir/$name"
  "$lupdate" -silent -locations none -no-obsolete -extensions cpp,h \
    "$source_dir/window" "$source_dir/app" "$source_dir/resources/desktop/desktopTexts.h" \
    -ts "$workdir/$name" >"$workdir/lupdate.log" 2>&1
  if grep -q "won't be updated" "$workdir/lupdate.log"; then
    cat "$workdir/lupdate.log" >&2
    status=1
  fi
  unfinished=$(grep -c 'type="unfinished"' "$workdir/$name" || true)
  empty=$(grep -c '<translation></translation>\|<translation/>' "$workdir/$name" || true)
  before=$(grep -c '<message' "$ts" || true)
  after=$(grep -c '<message' "$workdir/$name" || true)
  echo "$name: $after strings, $unfinished unfinished, $empty empty, $((before - after)) no longer used"
  if ((unfinished > 0 || empty > 0 || before != after)); then
    grep -B3 'type="unfinished"' "$workdir/$name" | grep '<source>' | sed 's/^/  untranslated: /' || true
    status=1
  fi
done
((status == 0)) || echo "FAIL: update them with 'cmake --build build --target update_translations' and translate every entry" >&2
exit "$status"
