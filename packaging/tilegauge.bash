# bash completion for tilegauge(1). The options and their values are read from the program's own
# --help, so an option added there completes without a change here.

_tilegauge()
{
    local cur prev words cword split
    _init_completion -s || return

    local help
    help=$(LC_ALL=C "$1" --help 2>/dev/null) || return

    # An option's line in --help: "  -h, --help  ..." or "  --format <hex|asm|c|json>  ...".
    local value
    value=$(sed -n "s/^ *\(-[a-zA-Z], \)\{0,1\}$prev <\([^>]*\)>.*/\2/p" <<<"$help")
    if [[ -n $value ]]; then
        # BOX=BYTES and the like are typed, not chosen.
        if [[ $value == *=* ]]; then
            return
        elif [[ $value == *'|'* ]]; then
            mapfile -t COMPREPLY < <(compgen -W "${value//|/ }" -- "$cur")
        else
            _filedir
        fi
        return
    fi
    $split && return

    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$(sed -n 's/^ *\(-[a-zA-Z], \)\{0,1\}\(--[a-z][a-z-]*\).*/\2/p' <<<"$help")" -- "$cur")
        return
    fi
    _filedir
} &&
    complete -F _tilegauge tilegauge
