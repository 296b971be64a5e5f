#!/bin/sh
# Runs every benchmark program, keeps each one's full output beside the build, and prints one
# table: each figure's median, the floor or peer measured in the same run, the ratio and the
# target. Exits non-zero when a figure misses its target.
set -u
build=${1:-build}
sortie="$build/bench"
mkdir -p "$sortie"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
echec=0
for programme in "bench_liaison --benchmark_enable_random_interleaving=true" \
                 "bench_demarrage" \
                 "bench_fichiers --benchmark_enable_random_interleaving=true" \
                 "bench_graphe --benchmark_enable_random_interleaving=true" \
                 "bench_reactivite"; do
    nom=${programme%% *}
    echo "running $nom..."
    # shellcheck disable=SC2086
    if ! "$build/benchmarks/"$programme --benchmark_color=false >"$sortie/$nom.txt" 2>&1; then
        echec=1
    fi
done
echo
printf '%-58s %12s %12s %8s %8s\n' figure measured floor/peer ratio target
for f in "$sortie"/bench_*.txt; do
    # The rows follow each program's own header line.
    awk 'titre && NF { print } /^figure +measured/ { titre = 1 }' "$f"
done
echo
echo "full outputs: $sortie/"
[ "$echec" -eq 0 ] || echo "a figure missed its target (see the outputs above)"
exit "$echec"
