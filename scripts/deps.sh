#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the fuzzers need. As root it installs
# what is missing; otherwise it prints the exact apt-get line and fails.
set -euo pipefail
packages=(g++ cmake ninja-build qt6-base-dev libgl-dev libjpeg62-turbo-dev libgtest-dev
          libbenchmark-dev clang libclang-rt-14-dev clang-format xvfb xauth fonts-dejavu-core
          desktop-file-utils qt6-tools-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
line="apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages. Run as root:" >&2
  echo "  apt-get update && $line" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
