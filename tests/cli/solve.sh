#!/bin/sh
# `plioscope-cli solve` run as a user would: its JSON on a deal with thirteen top tricks for
# North, the same deal written from another seat in French letters, and its refusal of a bad deal.
# Usage: solve.sh PATH_TO_PLIOSCOPE_CLI
cli="$1"
reussis=0
rates=0
compare() {
    if [ "$1" = "$2" ]; then reussis=$((reussis + 1)); else rates=$((rates + 1)); echo "FAILED: $3: got '$1'"; fi
}

donne="N:AKQJ.AKQ.AKQ.AKQ T98.JT9.JT9.JT98 7654.876.876.765 32.5432.5432.432"
attendu='{"tricks":{"N":{"C":12,"D":12,"H":12,"S":13,"NT":13},"E":{"C":1,"D":1,"H":1,"S":0,"NT":0},"S":{"C":12,"D":12,"H":12,"S":13,"NT":13},"W":{"C":1,"D":1,"H":1,"S":0,"NT":0}},"best":{"N":"7NT","E":"1H","S":"7NT","W":"1H"},"par":{"contract":"7NT","side":"NS","code":35,"camp":5}}'
compare "$("$cli" solve "$donne" --json)" "$attendu" "solve --json"

francais="S:7654.876.876.765 32.5432.5432.432 ARDV.ARD.ARD.ARD X98.VX9.VX9.VX98"
compare "$("$cli" solve "$francais" --json)" "$attendu" "solve from South in French letters"

leads=$("$cli" solve "$donne" --json --leads | grep -o '"E":{"C":\["JC","TC","9C","8C","JD"')
compare "$leads" '"E":{"C":["JC","TC","9C","8C","JD"' "solve --leads"

"$cli" solve "N:AKQ" >/dev/null 2>&1
compare "$?" 2 "invalid deal exit code"

echo "$reussis passed, $rates failed"
[ "$rates" -eq 0 ]
