# Shared by the top-level scripts: where the build lives and who builds.
repo_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${HUSHMOOR_BUILD_DIR:-$repo_dir/build}"
jobs="$(nproc)"

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

build_all()
{
    as_user mkdir -p "$build_dir"
    as_user cmake -S "$repo_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release > "$build_dir/configure.log" 2>&1 \
        || { cat "$build_dir/configure.log"; return 1; }
    echo "Building in $build_dir ..."
    as_user cmake --build "$build_dir" -j "$jobs" > "$build_dir/build.log" 2>&1 \
        || { grep -E "error|Error" "$build_dir/build.log" | head -40; echo "Build failed: see $build_dir/build.log"; return 1; }
    echo "Build done."
}
