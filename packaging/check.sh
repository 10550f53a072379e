#!/usr/bin/env bash
# Usage: check.sh BUILD_DIR
# Validates the desktop entries and AppStream metainfo files, then installs
# BUILD_DIR into an empty prefix and checks that every file is in its
# standard place and that the files agree with one another. Prints each
# failure and exits non-zero if there was any.
set -uo pipefail

build=${1:?usage: check.sh BUILD_DIR}
apps=(kervadin dorvic)
id_prefix=org.workshopcalc

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# The validators come from Debian's desktop-file-utils and appstream.
missing=()
command -v desktop-file-validate >/dev/null || missing+=(desktop-file-utils)
command -v appstreamcli >/dev/null || missing+=(appstream)
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "FAIL: missing packages: ${missing[*]}; run this as root or install them" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  if ! { apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; }; then
    echo "FAIL: could not install ${missing[*]}" >&2
    exit 1
  fi
fi

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
if ! cmake --install "$build" --prefix "$prefix" >/dev/null; then
  echo "FAIL: cmake --install $build failed" >&2
  exit 1
fi

# The value of KEY in a desktop entry's [Desktop Entry] group.
desktop_value() {
  sed -n '/^\[Desktop Entry\]/,/^\[/{s/^'"$1"'=//p}' "$2" | head -n 1
}
# The text of the first <TAG> element in an XML file (one-line elements).
xml_text() {
  sed -n 's:.*<'"$1"'[^>]*>\([^<]*\)</'"$1"'>.*:\1:p' "$2" | head -n 1
}
# Width and height of a PNG file, from its IHDR chunk.
png_size() {
  local w h
  w=$(od -An -tu1 -j16 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
  h=$(od -An -tu1 -j20 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
  echo "${w}x${h}"
}

# The build renders the PNG icons with this rsvg-convert.
rsvg=$(sed -n 's/^RSVG_CONVERT:FILEPATH=//p' "$build/CMakeCache.txt" 2>/dev/null)
[ -n "$rsvg" ] || rsvg=rsvg-convert

for app in "${apps[@]}"; do
  id=$id_prefix.$app
  bin=$prefix/bin/$app
  desktop=$prefix/share/applications/$id.desktop
  metainfo=$prefix/share/metainfo/$id.metainfo.xml

  # The program.
  if [ -f "$bin" ] && [ -x "$bin" ]; then
    if ldd "$bin" 2>&1 | grep -q 'not found'; then
      fail "$app: installed binary has unresolved libraries: $(ldd "$bin" | grep 'not found' | tr -s ' \t' ' ')"
    fi
  else
    fail "$app: no executable bin/$app"
  fi

  # The desktop entry.
  if [ -f "$desktop" ]; then
    out=$(desktop-file-validate "$desktop" 2>&1); rc=$?
    if [ $rc -ne 0 ] || grep -qE ': (error|warning):' <<<"$out"; then
      fail "$app: desktop-file-validate $id.desktop:"$'\n'"$out"
    fi
    grep -q 'does not contain a registered main category' <<<"$out" &&
      fail "$app: $id.desktop has no main category, menus would file it under Other"
    for key in Type Name GenericName Comment Exec Icon Terminal Categories Keywords; do
      [ -n "$(desktop_value "$key" "$desktop")" ] || fail "$app: $id.desktop has no $key"
    done
    [ "$(desktop_value Terminal "$desktop")" = false ] || fail "$app: $id.desktop should say Terminal=false"
    exec_cmd=$(desktop_value Exec "$desktop")
    [ "${exec_cmd%% *}" = "$app" ] || fail "$app: $id.desktop has Exec=$exec_cmd, expected $app"
    [ -x "$prefix/bin/${exec_cmd%% *}" ] || fail "$app: Exec=$exec_cmd names no installed program"
    icon=$(desktop_value Icon "$desktop")
    [ "$icon" = "$app" ] || fail "$app: $id.desktop has Icon=$icon, expected $app"
  else
    fail "$app: no share/applications/$id.desktop"
    icon=$app
  fi

  # The icons.
  svg=$prefix/share/icons/hicolor/scalable/apps/$icon.svg
  if [ -f "$svg" ]; then
    grep -q '<svg[ >]' "$svg" || fail "$app: $icon.svg has no <svg> element"
    "$rsvg" "$svg" >/dev/null 2>&1 || fail "$app: rsvg-convert cannot render $icon.svg"
  else
    fail "$app: no share/icons/hicolor/scalable/apps/$icon.svg"
  fi
  for size in 48 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png
    if [ -f "$png" ]; then
      got=$(png_size "$png")
      [ "$got" = "${size}x${size}" ] || fail "$app: ${size}x${size}/apps/$icon.png is $got"
    else
      fail "$app: no share/icons/hicolor/${size}x${size}/apps/$icon.png"
    fi
  done

  # The AppStream metainfo.
  if [ -f "$metainfo" ]; then
    out=$(appstreamcli validate --no-net "$metainfo" 2>&1) ||
      fail "$app: appstreamcli validate $id.metainfo.xml:"$'\n'"$out"
    got=$(xml_text id "$metainfo")
    [ "$got" = "$id" ] || fail "$app: $id.metainfo.xml has id '$got'"
    got=$(xml_text launchable "$metainfo")
    [ "$got" = "$id.desktop" ] || fail "$app: $id.metainfo.xml launches '$got', expected $id.desktop"
    got=$(xml_text binary "$metainfo")
    [ "$got" = "$app" ] || fail "$app: $id.metainfo.xml provides binary '$got', expected $app"
  else
    fail "$app: no share/metainfo/$id.metainfo.xml"
  fi
done

# AppStream's own look at the installed tree: metainfo, desktop entries and
# icons found together.
out=$(appstreamcli validate-tree --no-net "$prefix" 2>&1) ||
  fail "appstreamcli validate-tree:"$'\n'"$out"

if [ $failures -ne 0 ]; then
  echo "$failures packaging check(s) failed" >&2
  exit 1
fi
echo "packaging: entries, metainfo and install tree of ${apps[*]} are in order"
