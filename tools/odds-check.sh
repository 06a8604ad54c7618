#!/bin/sh
# Sets the exact analyser against the engine: for each strategy, `quorvel-sim odds` gives the
# exact net result per round off a full shoe, and `quorvel-sim play` plays ROUNDS rounds
# (10,000,000 by default) with the same strategy and stake; the exact value must lie inside the
# 99% interval of the simulated one. The rounds that were split are compared the same way, which
# measures the split approximation. Runs two strategies at a time; a few minutes in all.
#   ROUNDS=N  rounds per strategy     SEED=N  the seed of every run (2026)
#   FRESH=1   deal every round off a full shoe (play --fresh-shoe), as the analyser reckons,
#             instead of the game's 280 and then 274 cards a shoe: no cut-card effect
#             (about three times slower)
set -eu
cd "$(dirname "$0")/.."
rounds=${ROUNDS:-10000000}
seed=${SEED:-2026}
fresh=
shoe="the game's reshuffle"
if [ "${FRESH:-0}" = 1 ]; then
    fresh=--fresh-shoe
    shoe="a full shoe every round"
fi
sim=build/sim/quorvel-sim
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! sh tools/build.sh >"$work/build" 2>&1; then
    cat "$work/build" >&2
    exit 1
fi

"$sim" odds --json >"$work/exact"
for pair in "stand dealer" "basic optimal"; do
    for strategy in $pair; do
        "$sim" play --rounds "$rounds" --seed "$seed" --strategy "$strategy" $fresh --json \
            >"$work/$strategy" &
    done
    wait
done

# field NAME FILE: the value of one key of a flat JSON line
field() {
    grep -o "\"$1\":[^,}]*" "$2" | head -n 1 | cut -d: -f2 | tr -d '"'
}

# judge NAME N MEAN SD EXACT: one row of a table, with the verdict
judge() {
    awk -v name="$1" -v n="$2" -v mean="$3" -v sd="$4" -v exact="$5" 'BEGIN {
        half = 2.5758 * sd / sqrt(n); z = (mean - exact) / (sd / sqrt(n))
        inside = exact >= mean - half && exact <= mean + half
        printf "%-8s %10d %+10.4f%% [%+8.4f%%, %+8.4f%%] %+10.4f%% %+7.2f  %s\n", name, n,
            100 * mean, 100 * (mean - half), 100 * (mean + half), 100 * exact, z,
            inside ? "inside" : "OUTSIDE"
    }'
}
header() {
    printf '%-8s %10s %11s %23s %11s %7s  %s\n' strategy rounds simulated "99% interval" exact z \
        verdict
}

printf 'Seed %s, stake 5, %s; 99%% interval = mean +- 2.5758 sd / sqrt(n)\n\n' "$seed" "$shoe"
rows=$work/rows
header
for strategy in stand dealer basic optimal; do
    grep "\"strategy\":\"$strategy\"" "$work/exact" >"$work/$strategy.exact"
    judge "$strategy" "$(field rounds "$work/$strategy")" "$(field net_per_round "$work/$strategy")" \
        "$(field sd "$work/$strategy")" "$(field return "$work/$strategy.exact")" | tee -a "$rows"
done

printf '\nThe rounds that were split (the split approximation), per split round:\n'
header
for strategy in basic optimal; do
    n=$(field splits "$work/$strategy")
    # the mean and deviation of a split round's result in stakes, from the bank's changes
    set -- $(awk -v money="$(field split_net "$work/$strategy")" -v n="$n" \
        -v squares="$(field split_net_squares "$work/$strategy")" 'BEGIN {
            sum = money / 5; mean = sum / n
            printf "%.9f %.9f\n", mean, sqrt((squares / 25 - sum * mean) / (n - 1))
        }')
    judge "$strategy" "$n" "$1" "$2" "$(field split_round_return "$work/$strategy.exact")" |
        tee -a "$rows"
done
! grep -q OUTSIDE "$rows"
