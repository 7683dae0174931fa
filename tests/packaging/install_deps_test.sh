#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Each make target asks only for the package groups it uses: trying the window
# must not pull in the Windows cross-build, the fuzzers or the package checks.
# Usage: install_deps_test.sh INSTALL_DEPS MAKEFILE
set -uo pipefail
install_deps=$1
makefile=$2
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# group | packages it must name | packages it must not name
cases=(
    "build|qt6-base-dev cmake hamradio-files fonts-dejavu-core|libgtest-dev wine clang lintian nsis xvfb"
    "test|libgtest-dev libbenchmark-dev|qt6-base-dev wine clang"
    "windows|fonts-wine wine g++-mingw-w64-x86-64-posix xvfb|libgtest-dev clang"
    "fuzz|clang|wine"
)
for entry in "${cases[@]}"; do
    IFS='|' read -r group wanted unwanted <<<"$entry"
    listed=$("$install_deps" --list "$group") || fail "--list $group failed"
    for p in $wanted; do
        grep -qxF "$p" <<<"$listed" || fail "$group lacks $p"
    done
    for p in $unwanted; do
        grep -qxF "$p" <<<"$listed" && fail "$group names $p"
    done
done
all=$("$install_deps" --list)
for group in build test a11y package windows fuzz format tidy; do
    missing=$(comm -23 <("$install_deps" --list "$group") <(echo "$all"))
    [ -z "$missing" ] || fail "the whole list lacks $group's $missing"
done
if "$install_deps" --list nosuchgroup >/dev/null 2>&1; then
    fail "an unknown group was accepted"
fi

# target | groups it installs | what the build of a fresh folder runs
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT
targets=(
    "demo|build|--target qz5-config"
    "test|build test|-DQZ5_BUILD_TESTS=ON"
    "format-check|format|clang-format"
    "tidy|build tidy|run-clang-tidy"
)
for entry in "${targets[@]}"; do
    IFS='|' read -r target groups command <<<"$entry"
    planned=$(make -n -f "$makefile" "$target" BUILD="$build/out") || fail "make -n $target failed"
    asked=$(grep -o 'install-deps.*' <<<"$planned" | sed 's/^install-deps *//' | tr '\n' ' ')
    [ "$asked" = "$groups " ] || fail "$target installs '$asked', not '$groups'"
    grep -qF -- "$command" <<<"$planned" || fail "$target does not run '$command'"
done
grep -qF -- "-DQZ5_BUILD_TESTS=OFF" <<<"$(make -n -f "$makefile" demo BUILD="$build/out")" ||
    fail "demo builds the tests in a fresh folder"
# clang-tidy reads the compile database, which names no file of ours in a unity build.
grep -qF -- "-DCMAKE_UNITY_BUILD=OFF" <<<"$(make -n -f "$makefile" tidy UNITY=1 TIDY_BUILD="$build/tidy")" ||
    fail "tidy checks unity batches under UNITY=1"
# CI runs on a bare machine: its targets together must install every group.
ci_groups=$(for target in $(sed -n 's/^step make \([a-z0-9-]*\).*/\1/p' "$(dirname "$makefile")/.ci/run"); do
    make -n -f "$makefile" "$target" BUILD="$build/out" 2>/dev/null | grep -o 'install-deps.*'
done | sed 's/^install-deps *//' | tr ' ' '\n')
for group in build test a11y package windows fuzz format tidy; do
    grep -qxF "$group" <<<"$ci_groups" || fail ".ci/run installs no $group"
done
exit $((failures > 0))
