#!/usr/bin/env bash
# Installs the Debian packages that building (and, with --tests, testing) needs and that are
# not installed yet. Works as root or as a user with sudo.
set -euo pipefail

packages=(cmake make g++ pkg-config libwxgtk3.2-dev fonts-dejavu-core)
case "${1:-}" in
  --tests)
    packages+=(googletest libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth
               libfuse3-dev fuse3 desktop-file-utils dpkg-dev file x11-utils) ;;
  --package)
    packages+=(dpkg-dev file) ;;
  --screenshots)
    packages+=(imagemagick) ;;
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q "${missing[@]}"
