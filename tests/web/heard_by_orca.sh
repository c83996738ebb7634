#!/usr/bin/env bash
# What a blind user hears of the web version: Orca, with the desktop test's session, on the
# page served from 127.0.0.1 in a real browser, driven by keys alone. It says the lines of each
# press once and in order (the desktop's own for the same presses), BROJ's number also where
# two presses in a row give the same, the loudspeaker's name and then its instructions, and
# each button's name and description; given a new version, the line that offers it as it
# appears once that version is put up and the page loaded again.
#   tests/web/heard_by_orca.sh chromium|firefox-esr SITE_DIR [NEXT_SITE_DIR]
# The reference is what the desktop says for a sequence of presses: KRIMVEL_REFERENCE, a command
# given the presses, which prints each press's spoken lines after "> " (core_sequence's form).
set -euo pipefail
browser=$1 site=$(realpath "$2") next_site=${3:+$(realpath "$3")}
here=$(cd "$(dirname "$0")" && pwd)
reference=${KRIMVEL_REFERENCE:-$here/../../build/tests/core_sequence}
source "$here/../e2e/orca_session.sh"

# From the start: KOMPJUTER, KOMBINACIJA four times, then BROJ four times, whose last two
# numbers are the same, then the loudspeaker.
presses=(computer combination combination combination combination number number number number instructions)
desktop=$("$reference" "${presses[@]}") || fail "no reference from $reference"
# The Nth press's lines as the page should say them: with a full stop, a pause, between two.
said_by_desktop() { awk -v n="$1" '/^## / {press++} press == n && sub(/^> /, "")' <<<"$desktop" | sed '$!s/\w$/&./'; }
# press_and_hear KEY N: after KEY, Orca says the Nth press's lines, each once and in order.
press_and_hear() {
  local want got
  want=$(said_by_desktop "$2")
  press "$1" && hear "$mark" "^$(tail -1 <<<"$want")$" >/dev/null
  got=$(heard "$mark" | grep -Fx -f <(echo "$want") || true)
  [[ $got == "$want" ]] || fail "press $2 (${presses[$2 - 1]}) was heard as: $(paste -sd'|' <<<"$got"), not $(paste -sd'|' <<<"$want")"
}
# tab_to KEY NAME DESCRIPTION: the focus moves on, and Orca says where.
tab_to() { press "$1" && hear "$mark" "^$2 push button$" >/dev/null && hear "$mark" "^$3$" "^$2 push button$" >/dev/null; }

# Served through a link, which a new version is put up by.
ln -s "$site" "$workdir/site"
exec {served}<> <(:)
node --input-type=module -e "const site = await (await import('$here/serve.mjs')).serve(process.argv[1]);
  console.log(site.origin);" "$workdir/site" >&"$served" 2>"$workdir/serve.log" &
started_pids+=($!)
read -r -t 20 origin <&"$served" || fail "the page was not served: $(cat "$workdir/serve.log")"
case $browser in
  firefox-esr)
    mkdir -p "$workdir/firefox"
    printf 'user_pref("%s", %s);\n' browser.aboutwelcome.enabled false startup.homepage_welcome_url '""' \
      browser.startup.homepage_override.mstone '"ignore"' browser.shell.checkDefaultBrowser false \
      datareporting.policy.dataSubmissionEnabled false browser.newtab.preload false \
      intl.accept_languages '"en-US"' >"$workdir/firefox/user.js"
    GNOME_ACCESSIBILITY=1 firefox-esr --no-remote --profile "$workdir/firefox" "$origin/" >"$workdir/browser.log" 2>&1 & ;;
  chromium)
    chromium --no-sandbox --user-data-dir="$workdir/chromium" --force-renderer-accessibility --no-first-run \
      --no-default-browser-check --disable-background-networking --disable-component-update --disable-sync \
      --password-store=basic --lang=en-US --app="$origin/" >"$workdir/browser.log" 2>&1 & ;;
  *) fail "no such browser: $browser" ;;
esac
started_pids+=($!)

# The page gives KOMPJUTER the focus once it has loaded.
hear 1 '^Finished loading KRIMVEL FERNOS' >/dev/null
press_and_hear Return 1
tab_to Tab KOMBINACIJA 'One combination'
for n in 2 3 4 5; do press_and_hear Return $n; done
tab_to Tab BROJ 'One number'
for n in 6 7 8 9; do press_and_hear Return $n; done
press_and_hear Tab 10
loudspeaker="Loudspeaker push button|Instructions; a double-click plays the recorded sound|$(said_by_desktop 10 | paste -sd'|')"
[[ $(heard "$mark" | sed -n '/^Loudspeaker push button$/,$p' | paste -sd'|') == "$loudspeaker" ]] ||
  fail "not the loudspeaker's name and description, then its instructions: $(heard "$mark" | paste -sd'|')"
tab_to shift+Tab BROJ 'One number'
tab_to shift+Tab KOMBINACIJA 'One combination'
tab_to shift+Tab KOMPJUTER 'Ten combinations'
echo "Orca said in $browser: KOMPJUTER '$(said_by_desktop 1 | head -1)' ..., BROJ twice '$(said_by_desktop 9)'"

if [[ -n $next_site ]]; then
  ln -sfn "$next_site" "$workdir/site"
  began=$SECONDS
  press F5
  hear "$mark" '^A new version is ready: loading it clears the numbers shown$' >/dev/null
  echo "Orca said in $browser, $((SECONDS - began)) s after the page was loaded again: '$(heard "$mark" | grep -m1 '^A new version')'"
fi
