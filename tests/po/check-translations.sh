#!/usr/bin/env bash
# The translations as a translator's tools must leave them: the template up to date with the
# marked sources, and every language of po/LINGUAS complete, with no message of the template
# missing, fuzzy or untranslated, and accepted by msgfmt --check.
set -euo pipefail
cd "$(dirname "$0")/../.."
status=0
scripts/update-po.sh --check || status=1
for language in $(grep -v '^#' po/LINGUAS); do
    po=po/$language.po
    msgcmp "$po" po/kymora.pot || status=1
    msgfmt --check -o /dev/null "$po" || status=1
    left=$(msgattrib --only-fuzzy "$po"; msgattrib --untranslated --no-obsolete "$po")
    if [[ -n $left ]]; then
        echo "$po: messages fuzzy or not translated:" >&2
        echo "$left" >&2
        status=1
    fi
done
exit "$status"
