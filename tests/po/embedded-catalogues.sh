#!/usr/bin/env bash
# The translations' tables as the build makes them (po/Catalogues.cmake), from a template of
# three messages and two languages: a message that the first language leaves untranslated, or
# fuzzy, keeps its translation in the other; the message without a context is left out.
# Usage: embedded-catalogues.sh EMBEDDER
set -euo pipefail
embedder=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

header='msgid ""
msgstr "Content-Type: text/plain; charset=UTF-8\n"
'
entry() { # context, English, translation, flag
    printf '%s\nmsgctxt "%s"\nmsgid "%s"\nmsgstr "%s"\n\n' "${4:+#, $4}" "$1" "$2" "$3"
}
{ echo "$header"; entry cmdStart Start ""; entry cndKonec Exit ""; entry help Usage ""
  printf 'msgid "Light paths"\nmsgstr ""\n'; } >template.pot
{ echo "$header"; entry cmdStart Start ""; entry cndKonec Exit "Konec"
  entry help Usage "Pouziti" fuzzy; } >cs.po
{ echo "$header"; entry cmdStart Start "Start"; entry cndKonec Exit "Ende"
  entry help Usage "Aufruf"; printf 'msgid "Light paths"\nmsgstr "Lichtwege"\n'; } >de.po

msgen -o template.po template.pot
msgfmt --no-hash -o template.mo template.po
for language in cs de; do
    msgfmt --check-format --no-hash -o $language.mo $language.po
done
"$embedder" tables.cpp template.mo cs=cs.mo de=de.mo

# Each table, one line an entry, as the source writes them.
tables=$(sed -n 's/^constexpr std::array<std::string_view, \(.*\)> \(.*\) = {$/\2 \1:/p; s/^    \("[^"]*"\),$/\1/p' tables.cpp | tr '\n' ' ')
expected='keys 3: "cmdStart\004Start" "cndKonec\004Exit" "help\004Usage" language_cs 3: "" "Konec" "" language_de 3: "Start" "Ende" "Aufruf" '
if [[ $tables != "$expected" ]]; then
    printf 'the tables are\n  %s\nwhere they should be\n  %s\n' "$tables" "$expected" >&2
    exit 1
fi
