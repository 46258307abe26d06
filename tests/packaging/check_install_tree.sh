#!/usr/bin/env bash
# Installs a build into a staging folder (no root needed) and checks what a desktop needs:
# the binary, the desktop entry (validated), the icons, the udev rule and the README.
set -euo pipefail
build_dir=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

DESTDIR="$stage" cmake --install "$build_dir" --prefix /usr > /dev/null

expected=(
  usr/bin/tarnel-feeder-programmer
  usr/share/applications/tarnel-feeder-programmer.desktop
  usr/share/icons/hicolor/scalable/apps/tarnel-feeder-programmer.svg
  usr/lib/udev/rules.d/70-tarnel-feeder.rules
  usr/share/doc/tarnel-feeder-programmer/README.md
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/tarnel-feeder-programmer.png")
done
status=0
for file in "${expected[@]}"; do
  if [[ ! -f "$stage/$file" ]]; then echo "missing: /$file"; status=1; fi
done
[[ -x "$stage/usr/bin/tarnel-feeder-programmer" ]] || { echo "binary not executable"; status=1; }
desktop-file-validate "$stage/usr/share/applications/tarnel-feeder-programmer.desktop" || status=1
grep -q 'ATTRS{idVendor}=="04d8", ATTRS{idProduct}=="003f", TAG+="uaccess"' \
  "$stage/usr/lib/udev/rules.d/70-tarnel-feeder.rules" || { echo "udev rule content"; status=1; }
for size in 16 48 256; do
  file -b "$stage/usr/share/icons/hicolor/${size}x${size}/apps/tarnel-feeder-programmer.png" |
    grep -q "PNG image data, $size x $size" || { echo "icon ${size} is not ${size}x${size}"; status=1; }
done
[[ $status -eq 0 ]] && echo "install tree complete"
exit $status
