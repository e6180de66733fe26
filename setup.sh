#!/usr/bin/env bash
# Quick start: installs what is missing, builds everything, and runs the main job.
set -euo pipefail
source "$(dirname "$0")/tools/common.sh"

"$repo_dir/tools/install-deps.sh"
build_all

as_user "$build_dir/bench/hushmoor_bench" --benchmark_min_time=0.2 2>/dev/null | sed -n '/^ns per frame/,$p'
