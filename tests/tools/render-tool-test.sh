#!/usr/bin/env bash
# The render tool from the command line, as a user runs it:
#   render-tool-test.sh TOOL BUNDLE WORKDIR VST2_BINARY [AAX_BUNDLE]
set -uo pipefail

tool=$1
bundle=$2
work=$3
vst2=$4
aax=${5:-}
rm -rf "$work"
mkdir -p "$work"
failures=0

check() {   # check NAME CONDITION...
    local name=$1
    shift
    if "$@"; then
        echo "ok:   $name"
    else
        echo "FAIL: $name"
        failures=$((failures + 1))
    fi
}

run() {     # run OUTFILE ARGS...: stdout+stderr to OUTFILE, the exit code in $rc
    local out=$1
    shift
    "$tool" "$@" >"$out" 2>&1
    rc=$?
}

# A missing file, a file that is no plug-in, a folder that only looks like a bundle.
run "$work/missing.txt" --plugin "$work/no-such.vst3" --list
check "missing plug-in exits 2" test "$rc" -eq 2
check "missing plug-in says so" grep -q "no such file or folder" "$work/missing.txt"

printf 'not a plug-in' >"$work/text.vst3"
run "$work/text.txt" --plugin "$work/text.vst3" --list
check "text file exits 2" test "$rc" -eq 2
check "text file is named as no VST3 plug-in" grep -q "not a VST3 plug-in" "$work/text.txt"

mkdir -p "$work/empty.vst3/Contents/x86_64-linux"
run "$work/empty.txt" --plugin "$work/empty.vst3" --list
check "empty bundle exits 2" test "$rc" -eq 2

run "$work/so.txt" --plugin /bin/sh --list
check "an executable exits 2" test "$rc" -eq 2
check "an executable is refused by name" grep -q "not a plug-in binary" "$work/so.txt"

run "$work/usage.txt" --plugin "$bundle" --block 0 --in x.wav --out y.wav
check "block size 0 is a usage error" test "$rc" -eq 64

# The real bundle: the report.
run "$work/list.txt" --plugin "$bundle" --list
check "bundle lists" test "$rc" -eq 0
check "name and maker" grep -q "Gravilo Hushmoor (VST3)" "$work/list.txt"
check "maker" grep -q "maker: *Brivel" "$work/list.txt"
check "threshold text" grep -q 'threshold *0.000000 *"-oo"' "$work/list.txt"
check "decay text" grep -q '"100.42 ms"' "$work/list.txt"
check "twelve programs" grep -q "programs: *12" "$work/list.txt"

run "$work/param.txt" --plugin "$bundle" --list --param threshold=0.5 --param 3=1
check "parameters by name and index" grep -q '"-32.04 dB"' "$work/param.txt"
check "attack by index" grep -q '"200.00 ms"' "$work/param.txt"

run "$work/badparam.txt" --plugin "$bundle" --list --param nosuch=0.5
check "unknown parameter is a usage error" test "$rc" -eq 64

run "$work/rangeparam.txt" --plugin "$bundle" --list --param threshold=2
check "a value outside 0..1 is a usage error" test "$rc" -eq 64
check "a value outside 0..1 is named" grep -q 'threshold=2" is outside 0..1' "$work/rangeparam.txt"

run "$work/badprogram.txt" --plugin "$bundle" --list --program 12
check "program 12 is a usage error" test "$rc" -eq 64

# The demo, rendered in odd-sized blocks, with the analysis.
run "$work/demo.txt" --generate-demo "$work/demo.wav" --seconds 3
check "demo written" test -s "$work/demo.wav"

run "$work/render.txt" --plugin "$bundle" --param threshold=0.4 --param decay=0.2 --block 333 \
    --in "$work/demo.wav" --out "$work/gated.wav" --analyse
check "render exits 0" test "$rc" -eq 0
check "blocks counted" grep -q "in 433 blocks of up to 333" "$work/render.txt"
check "quiet passages reported" grep -q "quiet passages" "$work/render.txt"
check "output written" test -s "$work/gated.wav"

# A program chosen, then values set: every format plays the values (the gate closes on the
# quiet passages), byte for byte alike.
for format in vst3 vst2; do
    plugin=$bundle
    [[ $format == vst2 ]] && plugin=$vst2
    run "$work/program-$format.txt" --plugin "$plugin" --program 3 --param threshold=0.5 \
        --in "$work/demo.wav" --out "$work/program-$format.wav" --analyse
    check "$format render with a program and a value exits 0" test "$rc" -eq 0
done
check "a program and a value render through VST3 as through VST 2.4" \
    cmp -s "$work/program-vst3.wav" "$work/program-vst2.wav"
quiet_drop() { grep -A1 "quiet passages" "$1" | grep -Eq '\(-[1-9][0-9]+\.[0-9]+ dB\)$'; }   # 10 dB or more
check "the value set after the program gates the quiet passages" quiet_drop "$work/program-vst3.txt"

# The AAX module through the project's host layer: the same report and the same bytes.
if [[ -n "$aax" ]]; then
    run "$work/aax-list.txt" --plugin "$aax" --list
    check "AAX bundle lists" grep -q "Gravilo Hushmoor (AAX)" "$work/aax-list.txt"
    check "AAX master bypass is the wrapper's" grep -q "Master Bypass .*(added by the AAX wrapper)" "$work/aax-list.txt"

    run "$work/aax-render.txt" --plugin "$aax" --param threshold=0.4 --param decay=0.2 --block 333 \
        --in "$work/demo.wav" --out "$work/gated-aax.wav"
    check "AAX render exits 0" test "$rc" -eq 0
    check "AAX render equals the VST3 render" cmp -s "$work/gated.wav" "$work/gated-aax.wav"

    # The gate switched off from the start: no format fades in its first blocks.
    run "$work/off.txt" --plugin "$bundle" --param bypass=0 --block 333 --in "$work/demo.wav" --out "$work/off.wav"
    run "$work/aax-off.txt" --plugin "$aax" --param bypass=0 --block 333 --in "$work/demo.wav" --out "$work/off-aax.wav"
    check "AAX render with the gate off equals the VST3 one" cmp -s "$work/off.wav" "$work/off-aax.wav"
fi

run "$work/missing-in.txt" --plugin "$bundle" --in "$work/none.wav" --out "$work/x.wav"
check "missing input exits 3" test "$rc" -eq 3

run "$work/compare.txt" --compare "$work/demo.wav" "$work/gated.wav"
check "compare runs" test "$rc" -eq 0

if [[ $failures -ne 0 ]]; then
    echo "$failures check(s) failed; outputs in $work"
    exit 1
fi
echo "all render tool checks passed"
