#!/usr/bin/env bash
# Renders the bundled demo through an installed (or built) plug-in and prints what changed.
#
#   tools/render-demo.sh BUILD_DIR PLUGIN_PATH
#
# BUILD_DIR   a configured and built tree (it holds tools/render/hushmoor-render)
# PLUGIN_PATH the plug-in binary to load, e.g. "$HOME/.vst3/Gravilo Hushmoor.vst3"
#
# The demo (speech-like bursts over a -60 dBFS noise floor, made by code) is written to
# BUILD_DIR/demo/hushmoor-demo.wav, the gated result to BUILD_DIR/demo/hushmoor-demo-gated-FORMAT.wav
# (FORMAT is vst3 for a .vst3 bundle, aax for an .aaxplugin bundle, vst2 otherwise), so the
# formats' results can be compared.
# Settings: threshold 0.4 (-37.89 dB), decay 0.2 (35.21 ms), the other values at their
# defaults, blocks of 512 samples. Extra arguments go to the render tool.
set -euo pipefail

if [[ $# -lt 2 ]]; then
    echo "usage: $0 BUILD_DIR PLUGIN_PATH [render options...]" >&2
    exit 64
fi

build_dir=$1
plugin=$2
shift 2

tool="$build_dir/tools/render/hushmoor-render"
if [[ ! -x "$tool" ]]; then
    echo "$0: no render tool at $tool (build the tree first)" >&2
    exit 1
fi

demo_dir="$build_dir/demo"
mkdir -p "$demo_dir"
input="$demo_dir/hushmoor-demo.wav"
case "$plugin" in
    *.vst3|*.vst3/)           format=vst3 ;;
    *.aaxplugin|*.aaxplugin/) format=aax ;;
    *)                        format=vst2 ;;
esac
output="$demo_dir/hushmoor-demo-gated-$format.wav"

"$tool" --generate-demo "$input"
"$tool" --plugin "$plugin" \
        --param threshold=0.4 --param decay=0.2 --block 512 \
        --in "$input" --out "$output" --analyse "$@"
