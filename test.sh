#!/usr/bin/env bash
# Builds everything and runs the whole test suite (GUI tests on a virtual display), then
# the same suite and every fuzz target (a fixed number of inputs on its seeds) once more
# in the sanitizer build (AddressSanitizer, UndefinedBehaviorSanitizer), and the tests
# that run threads against each other under ThreadSanitizer.
set -euo pipefail
source "$(dirname "$0")/tools/common.sh"

# run_suite DIR [ctest options...]
run_suite()
{
    local dir="$1"
    shift
    (cd "$dir" && as_user xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j "$jobs" "$@")
}

"$repo_dir/tools/install-deps.sh"

build_all
run_suite "$build_dir"

echo
echo "== Under AddressSanitizer and UndefinedBehaviorSanitizer, with the fuzz targets"
build_sanitized
run_suite "$san_build_dir"

echo
echo "== Under ThreadSanitizer, the tests that run threads against each other"
build_thread_sanitized
run_suite "$tsan_build_dir" -R 'Threads[.]'
