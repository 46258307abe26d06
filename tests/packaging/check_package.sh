#!/usr/bin/env bash
# Builds the Debian package and checks its metadata and contents. On CI (CI=true, as root) it
# also installs the package with apt-get and checks that the installed binary opens its
# window "Tarnel Feeder Programmer" on the current display.
set -euo pipefail
cd "$(dirname "$0")/../.."

log=$(mktemp)
trap 'rm -f "$log"' EXIT
scripts/package.sh > "$log" 2>&1 || { cat "$log"; exit 1; }
deb=$(ls build/package/tarnel-feeder-programmer_*.deb | head -n 1)
echo "package: $deb"

info=$(dpkg-deb --info "$deb")
contents=$(dpkg-deb --contents "$deb")
status=0
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for dependency in libwxgtk3.2-1 libwxbase3.2-1 libc6 libstdc++6; do
  grep -q "$dependency" <<<"$depends" || { echo "missing dependency $dependency"; status=1; }
done
for file in ./usr/bin/tarnel-feeder-programmer ./usr/share/applications/tarnel-feeder-programmer.desktop \
            ./usr/lib/udev/rules.d/70-tarnel-feeder.rules \
            ./usr/share/icons/hicolor/scalable/apps/tarnel-feeder-programmer.svg \
            ./usr/share/icons/hicolor/48x48/apps/tarnel-feeder-programmer.png; do
  grep -q " $file\$" <<<"$contents" || { echo "package lacks $file"; status=1; }
done
grep -q "postinst" <<<"$info" || { echo "package lacks its postinst"; status=1; }
[[ $status -eq 0 ]] || exit $status

if [[ "${CI:-}" != "true" || $(id -u) -ne 0 ]]; then
  echo "not installing the package (only on CI as root)"
  exit 0
fi
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "./$deb" > "$log" 2>&1 || { cat "$log"; exit 1; }
# A display of its own, so the new window cannot take the focus from window tests.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  /usr/bin/tarnel-feeder-programmer &
  app=$!
  for _ in $(seq 1 100); do
    if xwininfo -root -tree 2>/dev/null | grep -q "\"Tarnel Feeder Programmer\""; then
      echo "installed binary shows \"Tarnel Feeder Programmer\""
      kill $app
      exit 0
    fi
    sleep 0.2
  done
  kill $app 2>/dev/null
  echo "the installed binary did not show its window"
  exit 1'

