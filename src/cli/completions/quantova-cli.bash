# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for quantova-cli: options, category names after --category
# and --list, and the unit symbols of the package in use for FROM and TO
# (from the program's hidden --complete-units option).

_quantova_cli_reply()
{
    # Words that may hold blanks, ° or parentheses, escaped for the command line.
    local word IFS=$'\n'
    COMPREPLY=()
    for word in $(compgen -W "$1" -- "$2"); do
        COMPREPLY+=("$(printf '%q' "$word")")
    done
}

_quantova_cli()
{
    COMPREPLY=()
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    local program=${COMP_WORDS[0]}
    local -a source=()
    local i word positional=0 list=0 batch=0
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        case $word in
            --builtin) source+=(--builtin) ;;
            --package) source+=(--package "${COMP_WORDS[i+1]}"); ((i++)) ;;
            --package=*) source+=("$word") ;;
            -l|--list) list=1 ;;
            -b|--batch) batch=1 ;;
            -p|--precision|-f|--format|-c|--category) ((i++)) ;;
            --) ;;
            -*) ;;
            *) ((positional++)) ;;
        esac
    done

    case $prev in
        -p|--precision) COMPREPLY=($(compgen -W "$(echo {2..18})" -- "$cur")); return ;;
        -f|--format) COMPREPLY=($(compgen -W "table tsv csv json" -- "$cur")); return ;;
        -c|--category)
            _quantova_cli_reply "$("$program" "${source[@]}" --quiet --list 2>/dev/null)" "$cur"
            return ;;
        --package) COMPREPLY=($(compgen -f -X '!*.qv' -- "$cur") $(compgen -d -- "$cur")); return ;;
        --update-rates) COMPREPLY=($(compgen -f -- "$cur")); return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "-p --precision -s --scientific -f --format -l --list -b --batch -c --category
            --package --builtin --locale -q --quiet --update-rates --help --version" -- "$cur"))
        return
    fi
    if ((list)); then
        ((positional == 0)) && _quantova_cli_reply "$("$program" "${source[@]}" --quiet --list 2>/dev/null)" "$cur"
        return
    fi
    # VALUE first, then FROM and the targets.
    ((batch || positional == 0)) && return
    _quantova_cli_reply "$("$program" "${source[@]}" --quiet --complete-units 2>/dev/null)" "$cur"
}

complete -F _quantova_cli quantova-cli
