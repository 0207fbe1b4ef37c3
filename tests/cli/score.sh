#!/bin/sh
# `plioscope-cli score` run as a user would: what it prints, its one error line, its exit code.
# Usage: score.sh PATH_TO_PLIOSCOPE_CLI
cli="$1"
sortie=$(mktemp)
erreurs=$(mktemp)
trap 'rm -f "$sortie" "$erreurs"' EXIT
reussis=0
rates=0

# verifie EXPECTED_OUTPUT EXPECTED_EXIT_CODE ARGUMENTS...
verifie() {
    attendu="$1"
    code_attendu="$2"
    shift 2
    "$cli" score "$@" >"$sortie" 2>"$erreurs"
    code=$?
    lignes_erreur=$(wc -l <"$erreurs")
    if [ "$code_attendu" -eq 0 ]; then
        ok=$([ "$code" -eq 0 ] && [ "$(cat "$sortie")" = "$attendu" ] && [ "$lignes_erreur" -eq 0 ] && echo 1)
    else
        ok=$([ "$code" -eq "$code_attendu" ] && [ ! -s "$sortie" ] && [ "$lignes_erreur" -eq 1 ] \
            && grep -q "$attendu" "$erreurs" && echo 1)
    fi
    if [ "$ok" = 1 ]; then
        reussis=$((reussis + 1))
    else
        rates=$((rates + 1))
        echo "FAILED: score $* -> exit $code, out '$(cat "$sortie")', err '$(cat "$erreurs")'"
    fi
}

verifie "500 EW" 0 4SX N -2 NS
verifie "450 NS" 0 4S N +1 None
verifie "650 NS" 0 4S N +1 NS
verifie "500 NS" 0 3NTX E -2 EW
verifie "1830 NS" 0 6CXX S = Both
verifie "1830 NS" 0 6CXX S = All
verifie "90 EW" 0 1NT W = Love
verifie "7600 NS" 0 7NTXX W -13 Both
verifie "1340 NS" 0 1CX N +6 NS
verifie "2220 EW" 0 7NT E = EW

verifie "invalid contract" 2 4P N = None
verifie "invalid contract" 2 8S N = None
verifie "invalid contract" 2 4SXXX N = None
verifie "invalid contract" 2 PA N = None
verifie "invalid declarer" 2 4S X = None
verifie "invalid declarer" 2 4S NS = None
verifie "invalid result" 2 4S N +4 None
verifie "invalid result" 2 4S N -11 None
verifie "invalid result" 2 4S N two None
verifie "invalid result" 2 7NT N +1 None
verifie "invalid vulnerability" 2 4S N = Tous
verifie "expected four arguments" 2 4S N =
verifie "expected four arguments" 2 4S N = None extra

echo "$reussis passed, $rates failed"
[ "$rates" -eq 0 ]
