#!/usr/bin/env bash
# Makes the Debian package with cpack, checks it with lintian, installs it with apt-get,
# runs the installed program, then purges the package and checks that nothing of it is
# left. It changes the system, so it runs only as root where there is apt, and whatever
# happens it leaves the system as it found it. It needs no network: the package's
# dependencies are the libraries the build itself used.
# Usage: deb_test.sh <build folder> [cpack]
set -euo pipefail

build=${1:?usage: deb_test.sh <build folder> [cpack]}
cpack=${2:-cpack}
test_name="deb test"
source "$(dirname "$0")/common.sh"

# Warnings we accept; cmake/Packaging.cmake says why.
kept_warnings=(no-manual-page)

skip() {
  echo "deb test: skipped, $*"
  exit 77
}
[[ $(id -u) -eq 0 ]] || skip "it installs a package and so runs as root only"
command -v apt-get >/dev/null && command -v dpkg >/dev/null || skip "it needs apt-get and dpkg"
command -v lintian >/dev/null || fail "lintian missing (package lintian)"
# An installation this test did not make is not its to remove.
if dpkg -s quillmark >/dev/null 2>&1; then
  fail "quillmark is installed already; remove it (apt-get purge quillmark) to run this test"
fi

tmp=$(mktemp -d)
pid=
installed=
cleanup() {
  if [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid" 2>/dev/null || true
  fi
  if [[ -n $installed ]]; then
    dpkg --purge quillmark >/dev/null 2>&1 || echo "deb test: could not purge quillmark" >&2
  fi
  rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 143' TERM INT HUP
# apt reads the package as its own unprivileged user.
chmod 0755 "$tmp"

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/package" >"$tmp/cpack.log" 2>&1 ||
  fail "cpack failed:"$'\n'"$(cat "$tmp/cpack.log")"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb=$tmp/package/quillmark_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || fail "cpack made no $(basename "$deb"):"$'\n'"$(ls "$tmp/package")"
[[ $(dpkg-deb -f "$deb" Package) == quillmark && $(dpkg-deb -f "$deb" Version) == "$version" ]] ||
  fail "wrong name or version in the control file:"$'\n'"$(dpkg-deb -f "$deb")"
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6* && $depends == *libpng16-16* && $depends == *libjpeg62-turbo* ]] ||
  fail "the dependencies miss the libraries the program links to: $depends"

# What is in the package, with permissions and owners: the files of `cmake --install`
# and the two Debian wants, all root's; folders rwxr-xr-x.
app_id=io.github.quillmark.Quillmark
expected="-rwxr-xr-x root/root ./usr/bin/quillmark
-rw-r--r-- root/root ./usr/share/applications/$app_id.desktop
-rw-r--r-- root/root ./usr/share/doc/quillmark/changelog.gz
-rw-r--r-- root/root ./usr/share/doc/quillmark/copyright
-rw-r--r-- root/root ./usr/share/icons/hicolor/256x256/apps/$app_id.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/scalable/apps/$app_id.svg
-rw-r--r-- root/root ./usr/share/metainfo/$app_id.metainfo.xml"
contents=$(dpkg-deb -c "$deb")
files=$(awk '$1 !~ /^d/ { print $1, $2, $6 }' <<<"$contents" | LC_ALL=C sort -k3)
[[ $files == "$expected" ]] ||
  fail "the package holds other files:"$'\n'"$(diff <(echo "$expected") <(echo "$files") || true)"
bad_folders=$(awk '$1 ~ /^d/ && ($1 != "drwxr-xr-x" || $2 != "root/root")' <<<"$contents")
[[ -z $bad_folders ]] || fail "folders with other permissions or owners:"$'\n'"$bad_folders"

# lintian ends with 1 when it finds errors, with more when it could not check at all.
status=0
lintian "$deb" >"$tmp/lintian.log" 2>&1 || status=$?
cat "$tmp/lintian.log"
((status <= 1)) || fail "lintian could not check the package (status $status)"
unexpected=$(grep -E '^(E|W): ' "$tmp/lintian.log" | grep -v -E ": ($(IFS='|' && echo "${kept_warnings[*]}"))( |$)" || true)
[[ -z $unexpected ]] || fail "lintian found errors or new warnings:"$'\n'"$unexpected"

# Which of the package's paths are there before it comes: those (/usr/bin ...) stay.
# (Paths as dpkg -L gives them: no trailing slash, the root as "/.".)
paths=$(awk '{ p = substr($6, 2); sub(/\/$/, "", p); print (p == "" ? "/." : p) }' <<<"$contents")
existing=$(while read -r p; do [[ -e $p ]] && echo "$p"; done <<<"$paths" || true)

installed=1
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
  -o DPkg::Lock::Timeout=120 "$deb" >"$tmp/apt.log" 2>&1 ||
  fail "apt-get install failed:"$'\n'"$(cat "$tmp/apt.log")"
[[ $(dpkg-query -W -f='${Status}' quillmark) == "install ok installed" ]] || fail "quillmark not installed"
listed=$(dpkg -L quillmark)
grep -qxF /usr/bin/quillmark <<<"$listed" || fail "dpkg -L lacks /usr/bin/quillmark:"$'\n'"$listed"

run_and_terminate /usr/bin/quillmark "$tmp/run"
[[ -f $tmp/run/data/Quillmark/Quillmark.ini ]] ||
  fail "Quillmark.ini missing in XDG_DATA_HOME/Quillmark (settings not saved there)"

DEBIAN_FRONTEND=noninteractive apt-get purge -y -q -o DPkg::Lock::Timeout=120 quillmark \
  >"$tmp/apt.log" 2>&1 || fail "apt-get purge failed:"$'\n'"$(cat "$tmp/apt.log")"
installed=
if dpkg -s quillmark >/dev/null 2>&1; then
  fail "dpkg still knows quillmark after the purge:"$'\n'"$(dpkg -s quillmark)"
fi
left=$(while read -r p; do
  [[ -e $p || -L $p ]] && ! grep -qxF "$p" <<<"$existing" && echo "$p"
done <<<"$listed" || true)
[[ -z $left ]] || fail "the purge left behind:"$'\n'"$left"

echo "deb test: passed ($(basename "$deb"))"
