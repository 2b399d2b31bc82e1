# bash completion for vtrk: commands, each command's options, COM names from "vtrk ports",
# key-list and CSV files where a command takes them.

_vtrk_com_names() {
    # The first column of "vtrk ports"; nothing when vtrk cannot list them.
    vtrk ports 2>/dev/null | awk '$1 ~ /^COM[0-9]+$/ { print $1 }'
}

_vtrk_files() {
    # Files with the given extension (either case) and directories to descend into.
    local IFS=$'\n'
    compopt -o filenames 2>/dev/null
    COMPREPLY+=($(compgen -d -- "$cur"))
    COMPREPLY+=($(compgen -f -X "!*.@(${1}|${1^^})" -- "$cur"))
}

_vtrk() {
    local cur prev words cword
    if declare -F _init_completion >/dev/null; then
        _init_completion || return
    else
        cur=${COMP_WORDS[COMP_CWORD]}
        prev=${COMP_WORDS[COMP_CWORD - 1]}
        words=("${COMP_WORDS[@]}")
        cword=$COMP_CWORD
    fi
    shopt -s extglob

    local commands="ports info read write linetest show export import diff sync history site"
    local siteCommands="create add status find revoke give round journal"
    if [[ $cword -eq 1 ]]; then
        COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
        return
    fi

    local command=${words[1]} subcommand=
    [[ $command == site && $cword -gt 2 ]] && subcommand=${words[2]}

    case $prev in
    --port)
        local IFS=$'\n'
        compopt -o filenames 2>/dev/null
        COMPREPLY=($(compgen -f -- "${cur:-/dev/tty}"))
        return
        ;;
    -o | --output)
        if [[ $command == export ]]; then _vtrk_files csv; else _vtrk_files dbf; fi
        return
        ;;
    --site)
        local IFS=$'\n'
        compopt -o filenames 2>/dev/null
        COMPREPLY=($(compgen -d -- "$cur"))
        return
        ;;
    -n | --count | --to) return ;;
    esac

    local options="--help --json"
    case $command in
    info | diff) options+=" --port" ;;
    read) options+=" --port --output -o" ;;
    write | sync) options+=" --port --yes -y --other-controller" ;;
    linetest) options+=" --port --count -n" ;;
    export) options+=" --output -o --spreadsheet" ;;
    import) options+=" --output -o --replace --merge" ;;
    site) options+=" --site --yes -y --to" ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi

    # The positional arguments: count the words that are not options or option values.
    local i args=0
    for ((i = 2; i < cword; i++)); do
        case ${words[i]} in
        --port | -o | --output | --site | -n | --count | --to) ((i++)) ;;
        -*) ;;
        *) ((args++)) ;;
        esac
    done

    case $command in
    info | read | linetest) [[ $args -eq 0 ]] && COMPREPLY=($(compgen -W "$(_vtrk_com_names)" -- "$cur")) ;;
    write | diff | sync)
        if [[ $args -eq 0 ]]; then
            COMPREPLY=($(compgen -W "$(_vtrk_com_names)" -- "$cur"))
        elif [[ $args -eq 1 ]]; then
            _vtrk_files dbf
        fi
        ;;
    show | export) [[ $args -eq 0 ]] && _vtrk_files dbf ;;
    import) [[ $args -eq 0 ]] && _vtrk_files csv ;;
    site)
        if [[ $args -eq 0 ]]; then
            COMPREPLY=($(compgen -W "$siteCommands" -- "$cur"))
        elif [[ $args -eq 1 ]]; then
            case $subcommand in
            round) COMPREPLY=($(compgen -W "$(_vtrk_com_names)" -- "$cur")) ;;
            add)
                COMPREPLY=($(compgen -W "$(_vtrk_com_names)" -- "$cur"))
                _vtrk_files dbf
                ;;
            esac
        fi
        ;;
    esac
}
complete -F _vtrk vtrk
