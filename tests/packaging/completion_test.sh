#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the qz5cfg completion as bash would, against the built program's --help.
# Usage: completion_test.sh COMPLETION_FILE QZ5CFG_DIRECTORY
set -uo pipefail
source /usr/share/bash-completion/bash_completion
source "$(realpath "$1")"
tool_dir=$(realpath "$2")
export PATH="$tool_dir:$PATH"

files=$(mktemp -d)
trap 'rm -rf "$files"' EXIT
cd "$files" && touch home.zb3 record.json notes.txt && mkdir folder

failures=0
# words typed (the last one is being completed) | candidates that must appear | that must not
cases=(
    "qz5cfg ''|show build version read write|--port"
    "qz5cfg --|--help --version|--port"
    "qz5cfg read --|--port --json|--emergency-ok"
    "qz5cfg ports --|--find --json|--port"
    "qz5cfg write --|--port --emergency-ok|--json"
    "qz5cfg read --port ''|COM1 COM255 auto|COM256 home.zb3"
    "qz5cfg write --port CO|COM1 COM9|read"
    "qz5cfg show ''|home.zb3 record.json folder|notes.txt"
    "qz5cfg write --port COM1 ''|home.zb3 record.json|notes.txt COM1"
    "qz5cfg check --|--json --ignore|--port"
    "qz5cfg check --ignore path-h|path-hops|home.zb3 path-blank"
    "qz5cfg write --set profiles[1].st|profiles[1].statusText=|profiles[0].statusText= home.zb3"
    "qz5cfg show --set ca|calibration=|calibrationChanged="
)
for entry in "${cases[@]}"; do
    IFS='|' read -r typed wanted unwanted <<<"$entry"
    eval "COMP_WORDS=($typed)"
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE="${COMP_WORDS[*]}"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _qz5cfg
    got=" ${COMPREPLY[*]} "
    for word in $wanted; do
        [[ $got == *" $word "* || $got == *" $word/ "* ]] ||
            { echo "FAIL [$typed]: '$word' missing from:$got"; failures=$((failures + 1)); }
    done
    for word in $unwanted; do
        [[ $got != *" $word "* ]] ||
            { echo "FAIL [$typed]: '$word' offered:$got"; failures=$((failures + 1)); }
    done
done
[ "$failures" -eq 0 ] && echo "all ${#cases[@]} completion cases pass"
exit $((failures > 0))
