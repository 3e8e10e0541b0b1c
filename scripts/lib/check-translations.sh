#!/usr/bin/env bash
# Every translation matches the sources and is complete: lupdate finds no text new or gone,
# and lrelease finds no unfinished or untranslated entry. Part of scripts/test.sh.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
# shellcheck source=scripts/lib/translations.sh
source "$root/scripts/lib/translations.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failed=0
echo "== Translations"
for language in $(translation_languages); do
  ts="$root/translations/orvisnap_$language.ts"
  cp "$ts" "$work/"
  update_translation "$language" "$work/$(basename "$ts")"
  if ! cmp -s "$ts" "$work/$(basename "$ts")"; then
    echo "translations/$(basename "$ts") does not match the sources: scripts/update-translations.sh $language"
    failed=1
  fi
  report="$("$lrelease_tool" "$ts" -qm "$work/check.qm" 2>&1)"
  counts="$(sed -n 's/.*Generated \([0-9]*\) translation(s) (\([0-9]*\) finished and \([0-9]*\) unfinished).*/\1 \2 \3/p' <<<"$report")"
  read -r total finished unfinished <<<"$counts"
  if [ -z "$counts" ] || [ "$unfinished" != 0 ] || grep -q "untranslated" <<<"$report"; then
    echo "$language: $report"
    failed=1
  else
    echo "$language: $finished of $total entries, none unfinished"
  fi
done
exit "$failed"
