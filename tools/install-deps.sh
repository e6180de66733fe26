#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and the demo need.
# Idempotent and silent when everything is already there.
set -euo pipefail

packages=(
    cmake g++ make pkg-config ccache
    juce-modules-source
    libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev llvm
    xvfb xauth fonts-dejavu-core
)

is_installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

as_root()
{
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# A third-party VST2 header set would silently stand in for the project's own VST 2.4 types.
if is_installed fst-dev; then
    echo "Removing fst-dev: the project builds only against its own VST 2.4 classes."
    as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq fst-dev > /dev/null
fi

missing=()
for p in "${packages[@]}"; do
    is_installed "$p" || missing+=("$p")
done

[ "${#missing[@]}" -eq 0 ] && exit 0

echo "Installing Debian packages: ${missing[*]}"
as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
# Never the recommended packages: they include fst-dev.
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" > /dev/null
echo "Packages installed."
