#!/usr/bin/env bash
# Fails when a translation in translations/ is behind the code: lupdate, run over src/ into a copy
# of each .ts file, must leave no text untranslated ("unfinished") and find none that the code no
# longer has ("vanished", "obsolete"). make translations brings the files up to date.
# Usage: check_translations.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=${1:?usage: check_translations.sh LUPDATE SOURCE_DIR}
source_dir=${2:?usage: check_translations.sh LUPDATE SOURCE_DIR}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failed=0
for ts in "$source_dir"/translations/*.ts; do
    copy=$scratch/${ts##*/}
    cp "$ts" "$copy"
    # Italian, the language of the code, keeps only its plural forms.
    only=()
    [[ ${ts##*/} == varelux_it.ts ]] && only=(-pluralonly)
    "$lupdate" -source-language it_IT -locations none "${only[@]}" "$source_dir/src" -ts "$copy" >/dev/null
    # Each message whose translation is not done, after its source text.
    if grep -B2 -E '<translation type="(unfinished|vanished|obsolete)"' "$copy"; then
        echo "translations: ${ts##*/} is behind the code (make translations, then translate)"
        failed=1
    fi
done
exit $failed
