#!/usr/bin/env bash
# Makes the translations' template, po/kymora.pot, anew from the marked sources that
# po/POTFILES.in lists and the desktop entry and AppStream metainfo, and with --merge also brings every po/LANGUAGE.po up to date with it
# (msgmerge), for its translator to finish.
# With --check it changes nothing: it says whether the template is up to date.
set -euo pipefail
cd "$(dirname "$0")/.."
# The messages of the C++ sources, the desktop entry (its generic name, comment and keywords)
# and the AppStream metainfo, in one template.
template() {
    local work
    work=$(mktemp -d)
    local common=(--add-comments=TRANSLATORS: --add-location=file --from-code=UTF-8
        --package-name=Kymora --package-version="$(head -n 1 VERSION)"
        --msgid-bugs-address=kymora@example.org --copyright-holder="The Kymora developers"
        --output="$work/kymora.pot")
    xgettext "${common[@]}" --language=C++ --keyword=NC_:1c,2 --keyword=translate:1c,2 \
        --files-from=po/POTFILES.in
    xgettext "${common[@]}" --join-existing --language=Desktop --keyword= \
        --keyword=GenericName --keyword=Comment --keyword=Keywords resources/kymora.desktop.in
    xgettext "${common[@]}" --join-existing --its=/usr/share/gettext/its/metainfo.its \
        resources/kymora.metainfo.xml.in
    sed -e '/^"POT-Creation-Date:/d' \
        -e 's/^# SOME DESCRIPTIVE TITLE\./# The messages of Kymora, for its translators./' \
        -e 's/^# Copyright (C) YEAR/# Copyright (C) 2026/' \
        -e 's/^# This file is distributed under the same license as the Kymora package\./# This file is distributed under the same licence as Kymora (MIT)./' \
        "$work/kymora.pot"
    rm -rf "$work"
}
case ${1:-} in
    --check)
        diff -u po/kymora.pot <(template) ||
            { echo "po/kymora.pot is not up to date with the sources: run scripts/update-po.sh" >&2; exit 1; }
        ;;
    --merge)
        template >po/kymora.pot
        for language in $(grep -v '^#' po/LINGUAS); do
            msgmerge --quiet --update --backup=none --add-location=file "po/$language.po" po/kymora.pot
        done
        ;;
    "") template >po/kymora.pot ;;
    *) echo "usage: update-po.sh [--check | --merge]" >&2; exit 2 ;;
esac
