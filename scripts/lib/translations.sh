#!/usr/bin/env bash
# What the translation scripts share; sourced. The .ts files keep no source locations, so that
# they change with the texts only.
translations_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
lupdate_tool=/usr/lib/qt6/bin/lupdate
lrelease_tool=/usr/lib/qt6/bin/lrelease

translation_languages() {
  sed -n 's/^set(ORVISNAP_LANGUAGES \(.*\))$/\1/p' \
    "$translations_root/cmake/OrvisnapTranslations.cmake" | tr ' ' '\n'
}

update_translation() { # LANGUAGE TS_FILE
  (cd "$translations_root" && "$lupdate_tool" -silent -locations none -no-obsolete \
    -source-language en -target-language "$1" src -ts "$2")
}
