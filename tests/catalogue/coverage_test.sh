#!/usr/bin/env bash
# Every literal text the sources pass to localized() or localizedIn() (or, in
# the windows, to uiText()) has an entry in the catalogue: xgettext gathers
# them, msgcmp looks each one up.
#
#   coverage_test.sh CATALOGUE.po SOURCE_FOLDER...
set -euo pipefail

catalogue=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

find "$@" -name '*.cpp' -o -name '*.h' | sort >"$work/files"
xgettext --language=C++ --from-code=UTF-8 --keyword= --keyword=localized:1,1t \
    --keyword=localized:1c,2,2t --keyword=localizedIn:2 --keyword=uiText:1 --files-from="$work/files" --output="$work/used.pot"
if [ ! -f "$work/used.pot" ]; then
    echo "no texts passed to localized() in $*"
    exit 1
fi
status=0
msgcmp --use-untranslated "$catalogue" "$work/used.pot" 2>"$work/report" || status=$?
grep -v 'warning: this message is not used' "$work/report" || true
exit "$status"
