#!/usr/bin/env bash
# Usage: check-deb.sh BUILD_DIR
# Builds the Debian package from BUILD_DIR with cpack, as the README's
# "Install and package" step does, into a scratch folder, and checks it: the
# files it installs, its Depends, its manual pages and changelog, that
# lintian finds no error or warning in it, and that apt could install it here.
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
    /usr/share/icons/hicolor/48x48/apps/dorvic.png \
    /usr/share/doc/workshop-calculators/copyright \
    /usr/share/doc/workshop-calculators/changelog.gz \
    /usr/share/man/man1/kervadin.1.gz \
    /usr/share/man/man1/dorvic.1.gz; do
  grep -qx "$path" <<<"$contents" || fail "the package does not install $path"
done

# Depends names the faces the windows are laid out for, and, from
# dpkg-shlibdeps, the libraries the programs link, with versions.
depends=$(dpkg-deb -f "$deb" Depends)
for pkg in fonts-liberation libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
  tr ',|' '\n\n' <<<"$depends" | awk '{print $1}' | grep -qxF "$pkg" || fail "Depends lacks $pkg: $depends"
done
grep -q '(>= ' <<<"$depends" || fail "Depends has no versions: $depends"

# The manual pages render without a warning from man or groff, in ASCII and
# in UTF-8, and name their program on the NAME line apropos and whatis read.
tree=$work/tree
dpkg-deb -x "$deb" "$tree"
command -v man >/dev/null && command -v lexgrog >/dev/null ||
  fail "man and lexgrog are missing (man-db; scripts/install-deps.sh installs it)"
for app in kervadin dorvic; do
  page=$tree/usr/share/man/man1/$app.1.gz
  [ -f "$page" ] || continue
  for locale in C C.UTF-8; do
    out=$(LC_ALL=$locale MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$out" ] || fail "LC_ALL=$locale man --warnings -l $app.1.gz:"$'\n'"$out"
  done
  out=$(lexgrog "$page" 2>&1)
  grep -q ": \"$app - " <<<"$out" || fail "lexgrog finds no NAME line for $app in $app.1.gz: $out"
done

# The changelog's newest entry is for the package's version.
changelog=$tree/usr/share/doc/workshop-calculators/changelog.gz
if [ -f "$changelog" ]; then
  version=$(dpkg-deb -f "$deb" Version)
  newest=$(zcat "$changelog" | head -n 1)
  [[ $newest == "workshop-calculators ($version) "* ]] ||
    fail "changelog.gz begins with '$newest', not the package's version $version"
fi

# Debian's own checker: an error or a warning fails; informational tags are
# shown and fail nothing.
if command -v lintian >/dev/null; then
  out=$(lintian --display-info --fail-on error,warning "$deb" 2>&1); rc=$?
  tags=$(grep -E '^[A-Z]: ' <<<"$out")
  if [ $rc -ne 0 ] || grep -qE '^[EW]: ' <<<"$tags"; then
    fail "lintian (exit status $rc):"$'\n'"$out"
  elif [ -n "$tags" ]; then
    echo "$tags"
  fi
else
  fail "lintian is missing (scripts/install-deps.sh installs it)"
fi

# apt would install it on this machine (a simulation: nothing changes).
if ! out=$(apt-get install -s "$deb" 2>&1); then
  fail "apt-get install -s refuses the package:"$'\n'"$out"
fi

if [ $failures -ne 0 ]; then
  echo "$failures package check(s) failed" >&2
  exit 1
fi
echo "package $(basename "$deb"): files in place, manual pages render, lintian finds no error or warning, Depends: $depends"
