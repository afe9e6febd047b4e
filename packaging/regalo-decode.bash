# bash completion for regalo-decode
_regalo_decode()
{
    local cur=${COMP_WORDS[COMP_CWORD]}
    local previous=${COMP_WORDS[COMP_CWORD-1]}
    local options="--brief --json --csv --excel --lang --help --version"
    # "--lang=e" comes as "--lang" "=" "e": bash breaks words at "=".
    if [[ $previous == --lang || ($previous == = && ${COMP_WORDS[COMP_CWORD-2]} == --lang) ]]; then
        COMPREPLY=($(compgen -W "ru en" -- "$cur"))
        return
    fi
    # A time is the user's to write.
    if [[ $previous == --since || $previous == --until ]]; then
        COMPREPLY=()
        return
    fi
    # The words so far that are neither options nor an option's value.
    local words=() word skip=0
    for word in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
        if [[ $word == = ]]; then
            continue # "--lang=en" comes as "--lang" "=" "en"
        elif ((skip)); then
            skip=0
        elif [[ $word == --lang || $word == --since || $word == --until ]]; then
            skip=1
        elif [[ $word != -* ]]; then
            words+=("$word")
        fi
    done
    if [[ $cur == -* ]]; then
        [[ ${words[0]} == scan ]] && options+=" --changes --any --since --until"
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
    elif [[ ${#words[@]} -eq 0 ]]; then
        COMPREPLY=($(compgen -W "status error list diff scan" -- "$cur"))
    elif [[ ${words[0]} == scan ]]; then
        COMPREPLY=($(compgen -f -- "$cur"))
    elif [[ ${words[0]} == list && ${#words[@]} -eq 1 ]]; then
        COMPREPLY=($(compgen -W "errors flags" -- "$cur"))
    elif [[ ${words[0]} == status || ${words[0]} == error ]] && [[ ${#words[@]} -eq 1 ]]; then
        COMPREPLY=($(compgen -W "-" -- "$cur"))
    fi
}
complete -F _regalo_decode regalo-decode
