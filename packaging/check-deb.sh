#!/usr/bin/env bash
# Usage: check-deb.sh BUILD_DIR
# Builds the Debian package from BUILD_DIR with cpack, as the README's
# "Install and package" step does, into a scratch folder, and checks it: the
# files it installs, its Depends, and that apt could install it here.
set -uo pipefail

build=${1:?usage: check-deb.sh BUILD_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

if ! cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  echo "FAIL: cpack could not build the package" >&2
  exit 1
fi
deb=$(ls "$work"/*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "FAIL: cpack made no .deb" >&2; exit 1; }

contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
for path in /usr/bin/kervadin /usr/bin/dorvic \
    /usr/share/applications/org.workshopcalc.kervadin.desktop \
    /usr/share/applications/org.workshopcalc.dorvic.desktop \
    /usr/share/metainfo/org.workshopcalc.kervadin.metainfo.xml \
    /usr/share/metainfo/org.workshopcalc.dorvic.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/kervadin.svg \
    /usr/share/icons/hicolor/scalable/apps/dorvic.svg \
    /usr/share/icons/hicolor/48x48/apps/kervadin.png \
    /usr/share/icons/hicolor/48x48/apps/dorvic.png; do
  grep -qx "$path" <<<"$contents" || fail "the package does not install $path"
done

# Depends names the faces the windows are laid out for, and, from
# dpkg-shlibdeps, the libraries the programs link, with versions.
depends=$(dpkg-deb -f "$deb" Depends)
for pkg in fonts-liberation libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
  tr ',|' '\n\n' <<<"$depends" | awk '{print $1}' | grep -qxF "$pkg" || fail "Depends lacks $pkg: $depends"
done
grep -q '(>= ' <<<"$depends" || fail "Depends has no versions: $depends"

# apt would install it on this machine (a simulation: nothing changes).
if ! out=$(apt-get install -s "$deb" 2>&1); then
  fail "apt-get install -s refuses the package:"$'\n'"$out"
fi

if [ $failures -ne 0 ]; then
  echo "$failures package check(s) failed" >&2
  exit 1
fi
echo "package $(basename "$deb"): files in place, Depends: $depends"
