#!/usr/bin/env bash
# Installs a build into a scratch DESTDIR and checks the tree and its desktop files.
#   install_test.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
id=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null

expected=(
  "usr/bin/calculo-manual"
  "usr/share/applications/$id.desktop"
  "usr/share/metainfo/$id.metainfo.xml"
  "usr/share/icons/hicolor/16x16/apps/$id.png"
  "usr/share/icons/hicolor/32x32/apps/$id.png"
  "usr/share/icons/hicolor/16x16@2/apps/$id.png"
  "usr/share/icons/hicolor/32x32@2/apps/$id.png"
  "usr/share/doc/calculo-manual/copyright"
  "usr/share/doc/calculo-manual/changelog.gz"
  "usr/share/man/man1/calculo-manual.1.gz"
)
actual=$(cd "$root" && find . -type f | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
if [ "$actual" != "$wanted" ]; then
  echo "installed tree differs:"
  diff <(echo "$wanted") <(echo "$actual") || true
  exit 1
fi
[ -x "$root/usr/bin/calculo-manual" ] || { echo "calculo-manual is not executable"; exit 1; }

desktop="$root/usr/share/applications/$id.desktop"
grep -qx 'Name=CALCULO MANUAL' "$desktop"
grep -qx "Icon=$id" "$desktop"
grep -qx 'Categories=Education;Science;Engineering;' "$desktop"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
echo "installed tree and desktop files are valid"
