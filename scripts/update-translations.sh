#!/usr/bin/env bash
# Brings translations/*.ts up to the sources with Qt's lupdate: new texts come in unfinished,
# texts gone from the sources go. Translate them with Qt Linguist (linguist), then build.
#     scripts/update-translations.sh [LANGUAGE ...]     e.g.  de pt_BR; none: all of them
# A new language: scripts/update-translations.sh nl makes translations/orvisnap_nl.ts; add nl
# to ORVISNAP_LANGUAGES in cmake/OrvisnapTranslations.cmake.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/lib/install-deps.sh"
# shellcheck source=scripts/lib/translations.sh
source "$root/scripts/lib/translations.sh"
languages=("$@")
[ ${#languages[@]} -gt 0 ] || mapfile -t languages < <(translation_languages)
for language in "${languages[@]}"; do
  update_translation "$language" "$root/translations/orvisnap_$language.ts"
done
