#!/usr/bin/env bash
# Quick start: installs what is missing, builds everything, installs the VST3 and VST2
# plug-ins into the user's plug-in folders, and renders the demo through all three formats
# (the AAX module from the build tree: there is no AAX host on Linux to install it for).
set -euo pipefail
source "$(dirname "$0")/tools/common.sh"

"$repo_dir/tools/install-deps.sh"
build_all

as_user cmake --install "$build_dir" --component vst3
as_user cmake --install "$build_dir" --component vst2

user_home="$(as_user sh -c 'echo "$HOME"')"
vst3="$user_home/.vst3/Gravilo Hushmoor.vst3"
vst2="$user_home/.vst/Gravilo Hushmoor.so"
aax="$build_dir/GraviloHushmoor_artefacts/Release/AAX/Gravilo Hushmoor.aaxplugin"

echo
echo "== Demo through the installed VST3 =="
as_user "$repo_dir/tools/render-demo.sh" "$build_dir" "$vst3"
echo
echo "== Demo through the installed VST2 =="
as_user "$repo_dir/tools/render-demo.sh" "$build_dir" "$vst2"
echo
echo "== Demo through the built AAX module (on the project's own AAX host layer) =="
as_user "$repo_dir/tools/render-demo.sh" "$build_dir" "$aax"
echo

reference="$build_dir/demo/hushmoor-demo-gated-vst3.wav"
same=1
for format in vst2 aax; do
    render="$build_dir/demo/hushmoor-demo-gated-$format.wav"
    if cmp -s "$reference" "$render"; then
        echo "VST3 and ${format^^} renders are byte-identical: $render"
    else
        echo "VST3 and ${format^^} renders differ: $render" >&2
        same=0
    fi
done
[ "$same" -eq 1 ] || exit 1
echo "All three formats render the demo identically: $reference"
