#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# qz5cfg in each language it speaks, chosen by the locale as a user's system
# chooses it: a failure and `check` in that language's words, the severity
# and rule columns, the JSON and every exit status as in English, byte for byte.
# Usage: speaks_every_language_test.sh QZ5CFG LANGUAGE...
set -uo pipefail
tool=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The locales the test needs, built privately: the machine need not have them.
export LOCPATH=$work/locales
mkdir -p "$LOCPATH"
echo '{}' >"$work/record.json"
mkfifo "$work/fifo"
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# run NAME LOCALE ARGS...: NAME.out, NAME.err, NAME.status
run() {
    local name=$1 locale=$2
    shift 2
    env -u LC_ALL -u LC_MESSAGES LANGUAGE= LANG="$locale" "$tool" "$@" \
        >"$work/$name.out" 2>"$work/$name.err"
    echo $? >"$work/$name.status"
}
same() { cmp -s "$work/$1" "$work/$2"; }

# The last two fail; the trace's reason is a text of the catalogues inside another.
commands=("check $work/record.json" "check --json $work/record.json" "show $work/missing.zb3"
    "version --trace $work/fifo --port /dev/null")
for k in "${!commands[@]}"; do
    read -ra args <<<"${commands[$k]}"
    run "en$k" C.UTF-8 "${args[@]}"
done
for language in "$@"; do
    case $language in
        *_*) locale=$language ;;
        ja) locale=ja_JP ;;
        *) locale=${language}_${language^^} ;;
    esac
    localedef -i "$locale" -f UTF-8 "$LOCPATH/$locale.UTF-8" 2>/dev/null ||
        { fail "$language: no locale $locale"; continue; }
    for k in "${!commands[@]}"; do
        read -ra args <<<"${commands[$k]}"
        run "$language$k" "$locale.UTF-8" "${args[@]}"
        same "en$k.status" "$language$k.status" || fail "$language: ${commands[$k]}: another status"
    done
    # check: the words are the language's, the columns scripts split are not.
    same en0.out "${language}0.out" && fail "$language: check printed English"
    cut -d' ' -f1-5 "$work/en0.out" >"$work/en0.columns"
    cut -d' ' -f1-5 "$work/${language}0.out" >"$work/${language}0.columns"
    same en0.columns "${language}0.columns" || fail "$language: check's severity or rule column changed"
    same en1.out "${language}1.out" || fail "$language: check --json differs from English"
    same en2.err "${language}2.err" && fail "$language: a failure printed English"
    grep -q "trace file" "$work/en3.err" || fail "the trace's failure is not what this test expects"
    grep -q "regular file" "$work/${language}3.err" && fail "$language: the trace's reason is English"
done
[ "$failures" -eq 0 ] && echo "qz5cfg speaks $* with English's statuses and JSON"
exit $((failures > 0))
