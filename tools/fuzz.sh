#!/usr/bin/env bash
# Builds the sanitizer tree and runs fuzz targets on their corpora.
#
#   tools/fuzz.sh list                       the targets
#   tools/fuzz.sh seeds                      rewrites the seeds in fuzz/corpus/
#   tools/fuzz.sh <target|all> <seconds>     each target for that long
#   tools/fuzz.sh <target|all> -runs=N       each target for N inputs
#   ... [libFuzzer options]                  passed on (e.g. -jobs=4 -workers=4)
#
# Seeds come from fuzz/corpus/<target>/; inputs found on the way are kept in
# build-san/fuzz-corpus/<target>/, and anything that fails in build-san/fuzz-artifacts/.
set -euo pipefail
source "$(dirname "$0")/common.sh"

usage() { sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//'; exit 2; }
[ $# -ge 1 ] || usage

build_sanitized
mapfile -t all_targets < "$san_build_dir/fuzzers.txt"

case "$1" in
    list)  printf '%s\n' "${all_targets[@]}"; exit 0 ;;
    seeds) as_user "$san_build_dir/fuzz/fuzz_seeds" "$repo_dir/fuzz/corpus"; exit 0 ;;
esac

[ $# -ge 2 ] || usage
which="$1"
limit="$2"
shift 2

case "$limit" in
    -runs=*) limit_args=("$limit") ;;
    ''|*[!0-9]*) usage ;;
    *) limit_args=("-max_total_time=$limit") ;;
esac

if [ "$which" = all ]; then
    targets=("${all_targets[@]}")
else
    printf '%s\n' "${all_targets[@]}" | grep -qx -- "$which" || { echo "No fuzz target '$which'." >&2; exit 2; }
    targets=("$which")
fi

status=0
for t in "${targets[@]}"; do
    work="$san_build_dir/fuzz-corpus/$t"
    artifacts="$san_build_dir/fuzz-artifacts"
    as_user mkdir -p "$work" "$artifacts"
    echo "== $t"
    as_user "$san_build_dir/fuzz/$t" "${limit_args[@]}" -print_final_stats=1 \
        -artifact_prefix="$artifacts/$t-" "$@" "$work" "$repo_dir/fuzz/corpus/$t" || status=1
done
exit $status
