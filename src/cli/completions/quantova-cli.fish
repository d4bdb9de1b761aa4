# SPDX-License-Identifier: GPL-3.0-or-later
# fish completion for quantova-cli: options, category names and the unit
# symbols of the package in use (from the hidden --complete-units option).

function __quantova_cli_run
    set -l words (commandline -opc)
    set -l source
    for i in (seq 2 (count $words))
        switch $words[$i]
            case --builtin
                set source $source --builtin
            case --package
                set source $source --package $words[(math $i + 1)]
        end
    end
    $words[1] $source --quiet $argv 2>/dev/null
end

function __quantova_cli_wants_units
    set -l words (commandline -opc)
    contains -- -l $words; and return 1
    contains -- --list $words; and return 1
    # The first word after the options is the value.
    set -l positional 0
    set -l skip 0
    for word in $words[2..-1]
        if test $skip = 1
            set skip 0
        else if contains -- $word -p --precision -f --format -c --category --package
            set skip 1
        else if not string match -q -- '-*' $word
            set positional (math $positional + 1)
        end
    end
    test $positional -ge 1
end

function __quantova_cli_wants_category
    set -l words (commandline -opc)
    contains -- -l $words; or contains -- --list $words
end

complete -c quantova-cli -f
complete -c quantova-cli -s p -l precision -x -a "(seq 2 18)" -d "Significant digits"
complete -c quantova-cli -s s -l scientific -d "Scientific notation"
complete -c quantova-cli -s f -l format -x -a "table tsv csv json" -d "Output format"
complete -c quantova-cli -s l -l list -d "List the categories, or the units of one"
complete -c quantova-cli -s b -l batch -d "Read conversions from standard input"
complete -c quantova-cli -s c -l category -x -a "(__quantova_cli_run --list)" -d "The category of the units"
complete -c quantova-cli -l package -r -F -d "Take the units from a package file"
complete -c quantova-cli -l builtin -d "Take the units from the built-in categories"
complete -c quantova-cli -l locale -d "Use the user's decimal separator"
complete -c quantova-cli -s q -l quiet -d "No note when no package is found"
complete -c quantova-cli -l update-rates -F -d "Update Currency.txt"
complete -c quantova-cli -l help -d "Show the help"
complete -c quantova-cli -l version -d "Show the version"
complete -c quantova-cli -n __quantova_cli_wants_category -a "(__quantova_cli_run --list)"
complete -c quantova-cli -n __quantova_cli_wants_units -a "(__quantova_cli_run --complete-units)"
