#!/usr/bin/env bash
# Installs the desktop files of a build into a scratch prefix and checks them as a desktop would:
# the entry and the AppStream data pass their validators, and every icon size is really there.
# Usage: validate-metadata.sh CMAKE BUILD_DIR APP_ID SIZE...
# Exits 77 (skipped) when desktop-file-validate or appstreamcli is not installed.
set -euo pipefail

cmake=$1 build=$2 app_id=$3
shift 3
sizes=("$@")

for tool in desktop-file-validate appstreamcli; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --component desktop --prefix "$prefix" >/dev/null

failed=0
fail() { echo "FAIL: $*"; failed=1; }

desktop="$prefix/share/applications/$app_id.desktop"
metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate $metainfo"
# The tree check also ties the component to its launchable desktop entry.
appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli validate-tree"

grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry does not name the icon $app_id"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8 }'; }
for size in "${sizes[@]}"; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  if [ ! -f "$icon" ]; then
    fail "missing icon $icon"
  elif [ "$(png_size "$icon")" != "${size}x${size}" ]; then
    fail "$icon is $(png_size "$icon"), not ${size}x${size}"
  fi
done

[ "$failed" -eq 0 ] && echo "desktop entry, AppStream data and ${#sizes[@]} icon sizes are valid"
exit "$failed"
