#!/usr/bin/env bash
# Installs what building and testing need, from Debian's packages, and nothing when it is all
# there already (so that an offline machine that has the packages still builds).
set -euo pipefail

# With package names as arguments it installs those instead, when missing.
if [ $# -gt 0 ]; then
  packages=("$@")
else
  packages=(cmake ninja-build g++ pkg-config python3 clang-format
            libgtest-dev libgmock-dev libbenchmark-dev
            qt6-base-dev fonts-liberation2 dpkg-dev file lintian
            iverilog verilator yosys ghdl nextpnr-ice40 libfec-dev)
  if [ "${RSWIZARD_WITH_CLANG:-1}" = 1 ]; then packages+=(clang libclang-rt-14-dev); fi
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" != 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
