#!/usr/bin/env bash
# Builds everything and runs the whole test suite (GUI tests on a virtual display).
set -euo pipefail
source "$(dirname "$0")/tools/common.sh"

"$repo_dir/tools/install-deps.sh"
build_all

cd "$build_dir"
as_user xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j "$jobs"
