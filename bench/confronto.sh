#!/bin/sh
# The engine's manches per CPU second against the bare arithmetic of a manche (refsim), side by
# side in one run on the same machine: CPU time on both sides, so a busy machine matters less.
#   bench/confronto.sh [build folder] [refsim.cpp] [manches]
set -e
BUILD=${1:-build}
REFSIM=${2:-/work/shared/tools/refsim.cpp}
MANCHE=${3:-100000}
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
g++ -O2 -std=c++20 -o "$TMP/refsim" "$REFSIM"
# refsim times itself by the wall clock; its CPU time is read from the outside.
REF_MANCHE=2000000
/usr/bin/time -f "%U %S" -o "$TMP/tempo" "$TMP/refsim" $REF_MANCHE > "$TMP/ref.txt"
RIF=$(awk -v n=$REF_MANCHE '{ printf "%.0f", n / ($1 + $2) }' "$TMP/tempo")
echo "refsim: $RIF manches per CPU second"
"$BUILD/bench/brivetta_bench" "$MANCHE" | tee "$TMP/bench.txt"
awk -v rif="$RIF" '/per CPU second/ { for (i = 1; i <= NF; ++i) if ($i == "per") cpu = $(i - 1);
    printf "%s  %.2f of refsim\n", substr($0, 1, index($0, ":") - 1), cpu / rif }' "$TMP/bench.txt"
