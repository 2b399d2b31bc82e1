#!/usr/bin/env bash
# The bash completion of vtrk, driven as bash drives it: COMP_WORDS and COMP_CWORD set, the
# function called, COMPREPLY read. Arguments: the directory holding vtrk, the completion script.
set -u
export PATH="$1:$PATH"
# shellcheck disable=SC1090 # the script under test
source "$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
mkdir lists
touch door.dbf OLD.DBF keys.csv notes.txt lists/a.dbf
failures=0

# complete WORDS... expected...: the words typed (the last one being completed) separated from
# the expected replies by ":".
check() {
    local words=() expected=() seen=0 arg
    for arg in "$@"; do
        if [ "$arg" = ":" ]; then seen=1; elif [ $seen -eq 0 ]; then words+=("$arg"); else expected+=("$arg"); fi
    done
    COMP_WORDS=("${words[@]}")
    COMP_CWORD=$((${#words[@]} - 1))
    COMPREPLY=()
    _vtrk
    local got want
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ')
    want=$(printf '%s\n' "${expected[@]}" | sort | tr '\n' ' ')
    if [ "$got" != "$want" ]; then
        echo "FAIL: '${words[*]}': got [$got], expected [$want]"
        failures=$((failures + 1))
    fi
}

check vtrk s : show sync site
check vtrk im : import
check vtrk sync --o : --other-controller
check vtrk write - : --help --json --port --yes -y --other-controller
check vtrk show "" : door.dbf OLD.DBF lists
check vtrk import "" : keys.csv lists
check vtrk export --output k : keys.csv
check vtrk read -o d : door.dbf
check vtrk site r : revoke round
check vtrk site --site l : lists
# The second argument of write and sync is the key list, after the port and past options.
check vtrk sync --yes COM1 d : door.dbf
check vtrk show door.dbf "" :

# COM names come from "vtrk ports": whatever this machine lists, the completion offers those,
# in whatever language the desktop speaks.
ports=$(vtrk ports 2>/dev/null | awk '$1 ~ /^COM[0-9]+$/ { print $1 }' | sort | tr '\n' ' ')
for desktop in C.UTF-8 de_DE.UTF-8; do
    COMP_WORDS=(vtrk info "")
    COMP_CWORD=2
    COMPREPLY=()
    LANGUAGE='' LC_ALL='' LANG=$desktop _vtrk
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort | tr '\n' ' ')
    if [ "$got" != "$ports" ]; then
        echo "FAIL: 'vtrk info' under $desktop: got [$got], expected the ports [$ports]"
        failures=$((failures + 1))
    fi
done

[ $failures -eq 0 ] && echo "completion: all cases passed"
exit $((failures > 0))
