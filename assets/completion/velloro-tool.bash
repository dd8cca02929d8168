# bash completion for velloro-tool. The commands and their options are read
# from the tool's own help texts, so a new command completes without changes here.

_velloro_tool_commands() {
    "$1" --help 2>/dev/null | sed -n '/^Commands:$/,/^$/s/^  \([a-z][a-z-]*\( [a-z][a-z-]*\)\?\)  .*/\1/p'
}

_velloro_tool() {
    local tool=${COMP_WORDS[0]} current=${COMP_WORDS[COMP_CWORD]}
    local previous=${COMP_WORDS[COMP_CWORD-1]}
    COMPREPLY=()

    # File options complete file names.
    case $previous in
        --file|--out) COMPREPLY=($(compgen -f -- "$current")); return ;;
    esac

    # The words typed so far that name a command: "odds", "schedules show".
    local commands command="" word line
    commands=$(_velloro_tool_commands "$tool")
    for ((word = 1; word < COMP_CWORD; word++)); do
        local candidate="${command:+$command }${COMP_WORDS[word]}"
        if grep -qx -- "$candidate" <<<"$commands"; then
            command=$candidate
            break
        fi
        grep -q -- "^$candidate " <<<"$commands" && command=$candidate
    done

    if [[ -z $command ]] || ! grep -qx -- "$command" <<<"$commands"; then
        # Still choosing the command: offer the next word of every command that fits.
        local prefix="${command:+$command }" next=()
        while IFS= read -r line; do
            [[ $line == "$prefix"* ]] || continue
            line=${line#"$prefix"}
            next+=("${line%% *}")
        done <<<"$commands"
        if [[ -z $command ]]; then next+=(--help --version); fi
        COMPREPLY=($(compgen -W "$(printf '%s\n' "${next[@]}" | sort -u)" -- "$current"))
        return
    fi

    local options
    options=$("$tool" $command --help 2>/dev/null | grep -o -- '--[a-z][a-z-]*' | sort -u)
    COMPREPLY=($(compgen -W "$options" -- "$current"))
}

complete -F _velloro_tool velloro-tool
