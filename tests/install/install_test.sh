#!/usr/bin/env bash
# Installs a build into a scratch prefix, checks what lands there and that the desktop
# entry and AppStream data validate, then runs the installed program the way a menu would:
# from a read-only bin folder, so it keeps its files in the per-user data folder.
# Usage: install_test.sh <build folder>
set -euo pipefail

build=${1:?usage: install_test.sh <build folder>}
app_id=io.github.quillmark.Quillmark

fail() {
  echo "install test: $*" >&2
  exit 1
}

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

home=$tmp/home
data=$tmp/data
mkdir -p "$home" "$data" "$tmp/config" "$tmp/cache"
mkdir -m 0700 "$tmp/runtime"
env HOME="$home" XDG_DATA_HOME="$data" XDG_CONFIG_HOME="$tmp/config" XDG_CACHE_HOME="$tmp/cache" \
  XDG_RUNTIME_DIR="$tmp/runtime" QT_QPA_PLATFORM=offscreen \
  "$prefix/$exe" >"$tmp/run.log" 2>&1 &
pid=$!

# Alive and not yet reaped (a zombie still answers kill -0).
running() {
  local key value
  [[ -r /proc/$pid/status ]] || return 1
  while read -r key value; do
    if [[ $key == State: ]]; then
      [[ $value != Z* ]]
      return
    fi
  done <"/proc/$pid/status"
  return 1
}

# The handler is in place once bit 15 (SIGTERM) of SigCgt is set; the shell forked for
# "&" catches signals of its own until it has exec'd the program, so look at that first.
exe_path=$(readlink -f "$prefix/$exe")
catches_sigterm() {
  local key value
  [[ $(readlink "/proc/$pid/exe" 2>/dev/null) == "$exe_path" ]] || return 1
  while read -r key value; do
    if [[ $key == SigCgt: ]]; then
      (((16#${value: -8} >> 14) & 1))
      return
    fi
  done <"/proc/$pid/status" 2>/dev/null
  return 1
}

for ((i = 0; i < 300; i++)); do
  running || fail "the installed program ended before it ran:"$'\n'"$(cat "$tmp/run.log")"
  catches_sigterm && break
  sleep 0.1
done
catches_sigterm || fail "the installed program never set up its SIGTERM handler (30 s)"

kill -TERM "$pid"
for ((i = 0; i < 300; i++)); do
  running || break
  sleep 0.1
done
running && fail "the installed program did not end within 30 s of SIGTERM"
status=0
wait "$pid" || status=$?
pid=
((status == 0)) || fail "the installed program ended with status $status:"$'\n'"$(cat "$tmp/run.log")"

folder=$data/Quillmark
[[ -d $folder/Images ]] || fail "$folder/Images missing"
[[ -d $folder/Templates ]] || fail "$folder/Templates missing"
[[ -f $folder/Quillmark.ini ]] || fail "$folder/Quillmark.ini missing (settings not saved there)"
bin_after=$(bin_files)
[[ $bin_after == "$bin_before" ]] || fail "the program wrote into $bindir:"$'\n'"$bin_after"

echo "install test: passed"
