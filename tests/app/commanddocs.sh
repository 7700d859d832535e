#!/bin/sh
# What is made from --help follows it: the bash completion offers exactly the long options --help lists,
# and the values it names for them; the manual page shows each of them and its own sections, and reads
# without a troff warning.
# Usage: commanddocs.sh <build dir> <source dir>
set -eu
build=$1
source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
PATH=$build/app:$PATH
export PATH

# The first long option of each option line of --help.
LC_ALL=C tilegauge --help | awk '/^  -/ { for (i = 1; i <= NF; i++) if ($i ~ /^--/) { print $i; next } }' \
    | sort >"$scratch/options"
test "$(wc -l <"$scratch/options")" -ge 10

# What bash offers after the words given, as it would on Tab.
offered() {
    bash -c '. /usr/share/bash-completion/bash_completion
        . "$1"
        shift
        COMP_WORDS=("$@")
        COMP_CWORD=$(($# - 1))
        COMP_LINE="$*"
        COMP_POINT=${#COMP_LINE}
        _tilegauge tilegauge "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
        printf "%s\n" "${COMPREPLY[@]}"' sh "$source/packaging/tilegauge.bash" "$@" | sort | tr '\n' ' '
}
offered tilegauge -- | tr ' ' '\n' | grep . >"$scratch/completed"
diff -u "$scratch/options" "$scratch/completed"
test "$(offered tilegauge --fo)" = "--format "
test "$(offered tilegauge --format '')" = "asm c hex json "
test "$(offered tilegauge --look '')" = "canvas compact "

page=$build/packaging/tilegauge.1.gz
man --warnings -l "$page" >/dev/null 2>"$scratch/warnings"
if [ -s "$scratch/warnings" ]; then
    cat "$scratch/warnings"
    exit 1
fi
LC_ALL=C MANWIDTH=200 man -l "$page" | col -b >"$scratch/page"
grep -q "^ *tilegauge \[options\] \[FILE\]$" "$scratch/page"
while read -r option; do
    grep -Eq -- "^ *(-[a-zA-Z], )?$option( |$)" "$scratch/page" || { echo "the manual lacks $option"; exit 1; }
done <"$scratch/options"
for section in NAME SYNOPSIS DESCRIPTION OPTIONS "THE WINDOW" "EXIT STATUS" "WHAT TILEGAUGE WRITES" ENVIRONMENT \
    FILES EXAMPLES COPYRIGHT; do
    grep -qx "$section" "$scratch/page" || { echo "the manual lacks its $section section"; exit 1; }
done
echo "commanddocs: all checks passed"
