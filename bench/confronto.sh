#!/bin/sh
# The engine's manches per CPU second against the bare arithmetic of a manche (refsim), side by
# side in one run on the same machine: CPU time on both sides, so a busy machine matters less.
# refsim never reseeds its generator; the game reseeds from the clock at every draw and at every
# decision of a computer seat. So a second reference is refsim with those reseeds added, each a
# read of the kernel's coarse clock mixed into the numbers, and the engine is measured against both.
#   bench/confronto.sh [build folder] [refsim.cpp] [manches]
set -e
BUILD=${1:-build}
REFSIM=${2:-/work/shared/tools/refsim.cpp}
MANCHE=${3:-300000}
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
g++ -O2 -std=c++20 -o "$TMP/refsim" "$REFSIM"

# The reseeds: one at the top of every draw, one before every decision of the table.
sed -e 's|^#include <random>$|&\n#include <ctime>|' \
    -e 's|^\(  double u() { return (\)g()\( >> 11).*\)$|  std::uint64_t ora = 0;\n  void reseed() { timespec t{}; clock_gettime(CLOCK_REALTIME_COARSE, \&t); ora ^= (std::uint64_t(t.tv_sec % 86400) << 30 \| std::uint64_t(t.tv_nsec)) * 0x9E3779B97F4A7C15ull; }\n\1(g() ^ ora)\2|' \
    -e 's|^\(  int i;\)$|  r.reseed();\n\1|' \
    -e 's|^\(        int slider; bool drawIt;\)$|\1\n        r.reseed();|' \
    "$REFSIM" > "$TMP/refsim_riseme.cpp"
if [ "$(grep -c 'reseed()' "$TMP/refsim_riseme.cpp")" -ne 3 ] || ! grep -q '(g() ^ ora)' "$TMP/refsim_riseme.cpp"; then
    echo "confronto.sh: $REFSIM has changed; the reseeds cannot be added to it" >&2
    exit 1
fi
g++ -O2 -std=c++20 -o "$TMP/refsim_riseme" "$TMP/refsim_riseme.cpp"

# refsim times itself by the wall clock; its CPU time is read from the outside.
REF_MANCHE=2000000
Riferimento() {
    /usr/bin/time -f "%U %S" -o "$TMP/tempo" "$1" $REF_MANCHE > /dev/null
    awk -v n=$REF_MANCHE '{ printf "%.0f", n / ($1 + $2) }' "$TMP/tempo"
}
# Each reference is run five times, around the engine's runs, and its median taken: this machine's
# speed drifts by a few percent from one second to the next.
Mediana() { sort -n | sed -n 3p; }
for i in 1 2 3; do
    Riferimento "$TMP/refsim" >> "$TMP/rif"; echo >> "$TMP/rif"
    Riferimento "$TMP/refsim_riseme" >> "$TMP/ris"; echo >> "$TMP/ris"
done
"$BUILD/bench/brivetta_bench" "$MANCHE" > "$TMP/bench.txt"
for i in 1 2; do
    Riferimento "$TMP/refsim" >> "$TMP/rif"; echo >> "$TMP/rif"
    Riferimento "$TMP/refsim_riseme" >> "$TMP/ris"; echo >> "$TMP/ris"
done
RIF=$(Mediana < "$TMP/rif")
RIS=$(Mediana < "$TMP/ris")
echo "refsim: $RIF manches per CPU second; with the game's reseeds: $RIS (medians of 5 runs)"
cat "$TMP/bench.txt"
echo "share of                                          refsim   refsim with reseeds"
awk -v rif="$RIF" -v ris="$RIS" '/per CPU second/ { for (i = 1; i <= NF; ++i) if ($i == "per") cpu = $(i - 1);
    printf "%-48s  %5.2f   %5.2f\n", substr($0, 1, index($0, ":") - 1), cpu / rif, cpu / ris }' "$TMP/bench.txt"
