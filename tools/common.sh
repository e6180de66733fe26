# Shared by the top-level scripts: where the build lives and who builds.
repo_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${HUSHMOOR_BUILD_DIR:-$repo_dir/build}"
# The sanitizer build (clang, ASan + UBSan + libFuzzer coverage): fuzz targets and the
# test suite under the sanitizers.
san_build_dir="${HUSHMOOR_SAN_BUILD_DIR:-$repo_dir/build-san}"
# The ThreadSanitizer build (clang): the tests that run threads against each other.
tsan_build_dir="${HUSHMOOR_TSAN_BUILD_DIR:-$repo_dir/build-tsan}"
jobs="${HUSHMOOR_JOBS:-$(nproc)}"

# Under sudo, build and install as the user who asked, so the build tree and the
# plug-in folders in their home belong to them.
as_user()
{
    if [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ]; then
        sudo -u "$SUDO_USER" -H -- "$@"
    else
        "$@"
    fi
}

# configure_and_build DIR [cmake options...]: builds every target, or those named in
# the variable build_targets.
configure_and_build()
{
    local dir="$1"
    shift
    local targets=()
    for target in ${build_targets:-}; do targets+=(--target "$target"); done
    as_user mkdir -p "$dir"
    as_user cmake -S "$repo_dir" -B "$dir" "$@" > "$dir/configure.log" 2>&1 \
        || { cat "$dir/configure.log"; return 1; }
    echo "Building in $dir ..."
    as_user cmake --build "$dir" -j "$jobs" "${targets[@]}" > "$dir/build.log" 2>&1 \
        || { grep -E "error|Error" "$dir/build.log" | head -40; echo "Build failed: see $dir/build.log"; return 1; }
    echo "Build done."
}

build_all()
{
    configure_and_build "$build_dir" -DCMAKE_BUILD_TYPE=Release
}

# A Debug build (the framework's assertions on), see cmake/HushmoorSanitizers.cmake.
build_sanitized()
{
    configure_and_build "$san_build_dir" -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
        -DHUSHMOOR_BUILD_FUZZERS=ON -DHUSHMOOR_BUILD_BENCH=OFF
}

# Only the programs whose tests run threads against each other (named "...Threads.*").
build_thread_sanitized()
{
    build_targets="hushmoor_plugin_tests hushmoor_aax_threading_tests" \
        configure_and_build "$tsan_build_dir" -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
        -DHUSHMOOR_THREAD_SANITIZER=ON -DHUSHMOOR_BUILD_BENCH=OFF
}
