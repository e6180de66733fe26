#!/usr/bin/env bash
# Quick start: installs what is missing, builds everything, installs the VST3 and VST2
# plug-ins into the user's plug-in folders, and renders the demo through both.
set -euo pipefail
source "$(dirname "$0")/tools/common.sh"

"$repo_dir/tools/install-deps.sh"
build_all

as_user cmake --install "$build_dir" --component vst3
as_user cmake --install "$build_dir" --component vst2

user_home="$(as_user sh -c 'echo "$HOME"')"
vst3="$user_home/.vst3/Gravilo Hushmoor.vst3"
vst2="$user_home/.vst/Gravilo Hushmoor.so"

echo
echo "== Demo through the installed VST3 =="
as_user "$repo_dir/tools/render-demo.sh" "$build_dir" "$vst3"
echo
echo "== Demo through the installed VST2 =="
as_user "$repo_dir/tools/render-demo.sh" "$build_dir" "$vst2"
echo
if cmp -s "$build_dir/demo/hushmoor-demo-gated-vst3.wav" "$build_dir/demo/hushmoor-demo-gated-vst2.wav"; then
    echo "VST3 and VST2 renders are identical: $build_dir/demo/hushmoor-demo-gated-vst3.wav"
else
    echo "VST3 and VST2 renders differ" >&2
    exit 1
fi
