#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The examples a reader copies into a shell: each --set argument quoted (zsh
# takes unquoted brackets for a file pattern), and the firmware's name explained.
# Usage: docs_examples_test.sh README PAGE...
set -uo pipefail
readme=$1
failures=0
for page in "$@"; do
    # A --set whose argument starts without a quote and holds a bracket.
    if grep -nE -- "(--|\\\\-\\\\-)set [^'\"\\\\ ][^ ]*\\[" "$page"; then
        echo "FAIL: unquoted --set argument in $page"
        failures=$((failures + 1))
    fi
done
if ! grep -q "Zelbin3 is the name the tracker's firmware answers to" "$readme"; then
    echo "FAIL: $readme does not say what Zelbin3 is"
    failures=$((failures + 1))
fi
exit $((failures > 0))
