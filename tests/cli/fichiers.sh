#!/bin/sh
# `plioscope-cli check` and `normalise` run as a user would: what they print, their exit codes,
# and what they leave on disk.
# Usage: fichiers.sh PATH_TO_PLIOSCOPE_CLI SOURCE_FOLDER
cli="$1"
source="$2"
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
reussis=0
rates=0

# constate DESCRIPTION COMMAND...: counts a check that holds or fails
constate() {
    description="$1"
    shift
    if "$@"; then
        reussis=$((reussis + 1))
    else
        rates=$((rates + 1))
        echo "FAILED: $description"
    fi
}

empreinte() { (cd "$1" && ls -A && cat -- *) | cksum; }

# check on the example pairs tournament: read, state DF, nothing written beside it.
cp "$source/examples/Club_Exemple_TPP.pbn" "$dossier/"
avant=$(empreinte "$dossier")
"$cli" check "$dossier/Club_Exemple_TPP.pbn" >"$dossier.out" 2>&1
constate "check exits 0 on the example" [ $? -eq 0 ]
constate "check prints the state" grep -qx "State: DF" "$dossier.out"
constate "check prints every deal" grep -q "^Deal 8 (board 8): hands valid, sheets valid$" "$dossier.out"
constate "check changes nothing on disk" [ "$(empreinte "$dossier")" = "$avant" ]
"$cli" check --json "$dossier/Club_Exemple_TPP.pbn" >"$dossier.out" 2>&1
constate "check --json exits 0" [ $? -eq 0 ]
constate "check --json gives the state" grep -q '"state": "DF"' "$dossier.out"

# A sheet with a contract in French notation: still read, the reason points at it.
sed '0,/ 1NT E -1 50 0 / s// 1SA E -1 50 0 /' "$source/examples/Club_Exemple_TPP.pbn" >"$dossier/Club_Exemple_TPP.pbn"
ligne=$(grep -n " 1SA E " "$dossier/Club_Exemple_TPP.pbn" | cut -d: -f1)
"$cli" check "$dossier/Club_Exemple_TPP.pbn" >"$dossier.out" 2>&1
constate "check exits 0 on an invalid sheet" [ $? -eq 0 ]
constate "check gives the state" grep -qx "State: D" "$dossier.out"
constate "check gives the sheet, line and field" grep -qx \
    "Deal 1 (board 1): hands valid, sheets invalid: sheet 1, line $ligne, field 3 (contract) \"1SA\"" "$dossier.out"

# normalise on a file of the program: unchanged, backup identical, no _Orig.
cp "$source/examples/Club_Exemple_TPP.pbn" "$dossier/"
"$cli" normalise "$dossier/Club_Exemple_TPP.pbn" >"$dossier.out" 2>&1
constate "normalise exits 0 on the example" [ $? -eq 0 ]
constate "the example is unchanged" cmp -s "$dossier/Club_Exemple_TPP.pbn" "$source/examples/Club_Exemple_TPP.pbn"
constate "its backup is identical" cmp -s "$dossier/Club_Exemple_TPP_Bis.pbn" "$source/examples/Club_Exemple_TPP.pbn"
constate "no original is kept when nothing is dropped" [ ! -e "$dossier/Club_Exemple_TPP_Orig.pbn" ]
rm -f "$dossier"/*

# A garbled copy: message 28 and its line, exit 2, nothing changed.
sed 's/^S NT 0/S NT x/' "$source/examples/Club_Exemple_TPP.pbn" >"$dossier/Club_Exemple_TPP.pbn"
ligne=$(grep -n "^S NT x" "$dossier/Club_Exemple_TPP.pbn" | head -1 | cut -d: -f1)
avant=$(empreinte "$dossier")
"$cli" check "$dossier/Club_Exemple_TPP.pbn" >"$dossier.out" 2>&1
constate "check exits 2 on a corrupted file" [ $? -eq 2 ]
constate "check prints message 28" grep -q "^Corrupted file. Open the file with Notepad" "$dossier.out"
constate "check prints the line" grep -qx "Line: $ligne" "$dossier.out"
"$cli" normalise "$dossier/Club_Exemple_TPP.pbn" >"$dossier.out" 2>&1
constate "normalise exits 2 on a corrupted file" [ $? -eq 2 ]
constate "a corrupted file is left as it was" [ "$(empreinte "$dossier")" = "$avant" ]

# normalise on an ordinary PBN file: rewritten, backup and original kept.
rm -f "$dossier"/*
cp "$source/tests/pbn/fixtures/machine_a_donner.pbn" "$dossier/m.pbn"
"$cli" normalise "$dossier/m.pbn" >"$dossier.out" 2>&1
constate "normalise exits 0" [ $? -eq 0 ]
constate "normalise prints the state" grep -qx "State: D" "$dossier.out"
constate "normalise keeps the original" cmp -s "$dossier/m_Orig.pbn" "$source/tests/pbn/fixtures/machine_a_donner.pbn"
constate "normalise writes the backup" cmp -s "$dossier/m_Bis.pbn" "$dossier/m.pbn"
constate "the file is now in the program's form" grep -q '^\[Pairs "0"\]' "$dossier/m.pbn"

# A file that does not exist.
"$cli" check "$dossier/absent.pbn" >"$dossier.out" 2>&1
constate "check exits 1 on a missing file" [ $? -eq 1 ]
rm -f "$dossier.out"

echo "$reussis passed, $rates failed"
[ "$rates" -eq 0 ]
