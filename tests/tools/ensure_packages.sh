#!/usr/bin/env bash
# tools/ensure-packages where one package is missing and where none is, installing nothing: its
# PATH holds stand-ins for dpkg-checkbuilddeps, id, sudo and apt-get, and the shell tools it runs.
# Usage: ensure_packages.sh SOURCE_DIR
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin" "$work/sudo"
ln -s $(command -v bash sh awk sed tr grep env dirname) "$work/bin/"
standin() { printf '#!/bin/sh\n%s\n' "${@:2}" >"$1" && chmod +x "$1"; }
# Every package is installed but $MISSING; apt-get records in $RAN what it is asked to do.
standin "$work/bin/dpkg-checkbuilddeps" 'case ",$2," in *",$MISSING,"*) exit 1 ;; esac'
standin "$work/bin/id" 'echo "$USER_ID"'
standin "$work/sudo/sudo" '[ "$1" = -n ] && exit 0' 'printf "sudo " >>"$RAN"' 'exec "$@"'
standin "$work/bin/apt-get" 'printf apt-get >>"$RAN"' \
  'for a; do case $a in -*|*=*) ;; *) printf " %s" "$a" ;; esac; done >>"$RAN"' 'echo >>"$RAN"'
# the missing package, the user's id, whether sudo is at hand, the exit status, what ran
for row in "-    1000 no  0" \
  "xvfb 0    no  0 apt-get update; apt-get install xvfb" \
  "xvfb 1000 yes 0 sudo apt-get update; sudo apt-get install xvfb" \
  "xvfb 1000 no  1"; do
  read -r missing user sudo expected_status expected <<<"$row"
  path=$work/bin
  [[ $sudo == no ]] || path=$work/sudo:$path
  : >"$work/ran"
  actual_status=0
  RAN=$work/ran MISSING=${missing#-} USER_ID=$user PATH=$path "$1/tools/ensure-packages" bench \
    >"$work/said" 2>&1 </dev/null || actual_status=$?
  ran=$(paste -sd ';' "$work/ran" | sed 's/;/; /g')
  # Where it cannot install, it names what is missing.
  if [[ $actual_status != "$expected_status" || $ran != "$expected" ]] ||
    { ((actual_status != 0)) && ! grep -q "missing Debian packages: $missing;" "$work/said"; }; then
    echo "FAIL: $row: status $actual_status, ran '$ran'; said: $(<"$work/said")"
    exit 1
  fi
done
