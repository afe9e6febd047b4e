# bash completion for regalo-decode
_regalo_decode()
{
    local cur=${COMP_WORDS[COMP_CWORD]}
    local options="--json --csv --help --version"
    local words=() word
    for word in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
        [[ $word == -* ]] || words+=("$word")
    done
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
    elif [[ ${#words[@]} -eq 0 ]]; then
        COMPREPLY=($(compgen -W "status error list" -- "$cur"))
    elif [[ ${words[0]} == list && ${#words[@]} -eq 1 ]]; then
        COMPREPLY=($(compgen -W "errors flags" -- "$cur"))
    elif [[ ${words[0]} != list && ${#words[@]} -eq 1 ]]; then
        COMPREPLY=($(compgen -W "-" -- "$cur"))
    fi
}
complete -F _regalo_decode regalo-decode
