#!/bin/sh
# `plioscope-cli rank`, `route` and `quality` run as a user would on the test competition of the
# tournament tests: what they print, their refusals, their exit codes, and a file left untouched.
# Usage: analyse.sh PATH_TO_PLIOSCOPE_CLI PATH_TO_COMPETITION_FILE
cli="$1"
fichier="$2"
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
APPDATA="$travail/donnees"
export APPDATA
reussis=0
rates=0

# verifie DESCRIPTION EXPECTED_EXIT_CODE TEXT_EXPECTED_IN_OUTPUT COMMAND_ARGUMENTS...
verifie() {
    description="$1"
    code_attendu="$2"
    attendu="$3"
    shift 3
    "$cli" "$@" >"$travail/sortie" 2>&1
    code=$?
    if [ "$code" -eq "$code_attendu" ] && grep -qF -- "$attendu" "$travail/sortie"; then
        reussis=$((reussis + 1))
    else
        rates=$((rates + 1))
        echo "FAILED: $description: $* -> exit $code"
        cat "$travail/sortie"
    fi
}

avant=$(cksum <"$fichier")

# Pair 1 declared every board: no defence average; ideal 57.73 + 4.76 - 8.92.
verifie "ranking in French by default" 0 "57,73    58,43  –      04,76              0,00                08,92     53,57" rank "$fichier"
verifie "ranking title" 0 "Classement général - Essai" rank "$fichier"
verifie "ranking in English" 0 "% lost as declarer" rank "$fichier" --lang en
verifie "ranking as JSON" 0 '"title": "Ranking"' rank "$fichier" --lang en --json
# The first board against pair 9 is a par row, with the group's mean (71,42 + 71,42 + 100) / 3.
verifie "route sheet" 0 "* 1 00    4P par NS  =    4P par N =   420       0         71,42   9    Mr Nord9" route "$fichier" 1
verifie "route sheet summary" 0 "1 [ 2- 1]    9 %     58,43 %" route "$fichier" 1
verifie "route sheet ranks" 0 "Rang    4 / 16" route "$fichier" 1
verifie "route sheet as JSON" 0 '"side": "EO"' route "$fichier" 9 --json
verifie "unknown pair" 2 "Ce numéro n'existe pas" route "$fichier" 99
verifie "quality with a pair marked" 0 "* 9   4   -3" quality "$fichier" --pair 9
verifie "quality as JSON" 0 '"title": "Quality of leading cards"' quality "$fichier" --lang en --json
verifie "unknown pair in quality" 2 "This number doesn't exist" quality "$fichier" --pair 17 --lang en

# The language file chooses the language when --lang does not.
mkdir -p "$APPDATA/Plioscope/Texte"
printf 'anglais\r\n' >"$APPDATA/Plioscope/Texte/langue.txt"
verifie "language of the language file" 0 "Score sheet for the pair  NS  1" route "$fichier" 1
rm "$APPDATA/Plioscope/Texte/langue.txt"

# A sheet whose lead is no card makes the sheets invalid: no ranking, the program's message.
sed 's/ 2C / ZZ /' "$fichier" >"$travail/invalide.pbn"
verifie "file with an invalid sheet" 2 "La feuille de résultats n'est pas valide" rank "$travail/invalide.pbn"
# A file whose deals were never analysed is analysed in memory first (its deals are real ones,
# so the figures are those of the solver's analysis, not of the test's).
sed -E 's/^([SWNE]) (C|D|H|S|NT) [0-9]+/\1 \2 0/' "$fichier" >"$travail/sans_analyse.pbn"
avant_analyse=$(cksum <"$travail/sans_analyse.pbn")
verifie "file without analysis" 0 "Qualité des entames" quality "$travail/sans_analyse.pbn"
[ "$(cksum <"$travail/sans_analyse.pbn")" = "$avant_analyse" ] || { rates=$((rates + 1)); echo "FAILED: the file without analysis was modified"; }
verifie "missing file" 2 "does not exist" rank "$travail/absent.pbn"

[ "$(cksum <"$fichier")" = "$avant" ] || { rates=$((rates + 1)); echo "FAILED: the file was modified"; }

echo "$reussis passed, $rates failed"
[ "$rates" -eq 0 ]
