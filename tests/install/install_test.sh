#!/usr/bin/env bash
# Installs a build into a scratch prefix, checks what lands there and that the desktop
# entry and AppStream data validate, then runs the installed program the way a menu would:
# from a read-only bin folder, so it keeps its files in the per-user data folder.
# Usage: install_test.sh <build folder>
set -euo pipefail

build=${1:?usage: install_test.sh <build folder>}
app_id=io.github.quillmark.Quillmark

test_name="install test"
source "$(dirname "$0")/common.sh"

tmp=$(mktemp -d)
pid=
cleanup() {
  if [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid" 2>/dev/null || true
  fi
  chmod -R u+w "$tmp" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT

# GNUInstallDirs' defaults: a build configured with other folders is not checked here.
bindir=bin
datadir=share

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 ||
  { cat "$tmp/install.log" >&2; fail "cmake --install failed"; }

exe=$bindir/quillmark
desktop=$datadir/applications/$app_id.desktop
metainfo=$datadir/metainfo/$app_id.metainfo.xml
svg=$datadir/icons/hicolor/scalable/apps/$app_id.svg
png=$datadir/icons/hicolor/256x256/apps/$app_id.png
expected=("$exe" "$desktop" "$metainfo" "$svg" "$png")

for f in "${expected[@]}"; do
  [[ -f $prefix/$f && -s $prefix/$f ]] || fail "$f missing"
done
[[ -x $prefix/$exe ]] || fail "$exe not executable"
grep -q '<svg' "$prefix/$svg" || fail "$svg is not an SVG picture"

# PNG signature, then IHDR: 256 x 256, 8 bits, RGBA.
header=$(od -An -tx1 -N26 "$prefix/$png" | tr -d ' \n')
[[ $header == "89504e470d0a1a0a0000000d4948445200000100000001000806" ]] ||
  fail "$png is not a 256x256 RGBA PNG (header $header)"

installed=$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
wanted=$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)
[[ $installed == "$wanted" ]] ||
  fail "unexpected files installed:"$'\n'"$(diff <(echo "$wanted") <(echo "$installed") || true)"

command -v desktop-file-validate >/dev/null || fail "desktop-file-validate missing (package desktop-file-utils)"
command -v appstreamcli >/dev/null || fail "appstreamcli missing (package appstream)"
out=$(desktop-file-validate "$prefix/$desktop" 2>&1) || fail "desktop-file-validate failed:"$'\n'"$out"
[[ -z $out ]] || fail "desktop-file-validate complains:"$'\n'"$out"
# --strict fails on anything above the pedantic level (the upper-case letter in our
# reverse-DNS id is pedantic only).
out=$(appstreamcli validate --no-net --strict "$prefix/$metainfo" 2>&1) ||
  fail "appstreamcli validate failed:"$'\n'"$out"
# The whole tree: the launchable names an installed desktop entry, and so on.
out=$(appstreamcli validate-tree --no-net --strict "$prefix" 2>&1) ||
  fail "appstreamcli validate-tree failed:"$'\n'"$out"

# A system folder: nobody's files go there (root could still write, so check afterwards).
chmod a-w "$prefix/$bindir"
bin_files() { find "$prefix/$bindir" -mindepth 1 | LC_ALL=C sort; }
bin_before=$(bin_files)

run_and_terminate "$prefix/$exe" "$tmp"

folder=$tmp/data/Quillmark
[[ -d $folder/Images ]] || fail "$folder/Images missing"
[[ -d $folder/Templates ]] || fail "$folder/Templates missing"
[[ -f $folder/Quillmark.ini ]] || fail "$folder/Quillmark.ini missing (settings not saved there)"
bin_after=$(bin_files)
[[ $bin_after == "$bin_before" ]] || fail "the program wrote into $bindir:"$'\n'"$bin_after"

echo "install test: passed"
