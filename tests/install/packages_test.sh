#!/usr/bin/env bash
# scripts/install-packages on a system without dpkg and apt, played by a PATH that has
# every program of this one but those and the ones a case takes away: it must install
# nothing, name what is missing and fail only for what the job cannot do without.
# Usage: packages_test.sh <source folder>
set -uo pipefail

script=${1:?usage: packages_test.sh <source folder>}/scripts/install-packages
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0

# job | programs taken away | exit status | text the output must hold
cases=(
  "run||0|Everything the run job needs is there"
  "test|Xvfb xdotool|0|xdotool: the desktop tests are not built"
  "run|cmake|1|missing: cmake 3.25"
  "run|qmake6 qtpaths6 pkg-config pkgconf|1|missing: Qt 6 Widgets"
  "test|appstreamcli|1|missing: appstreamcli"
  "fuzz|clang++|1|missing: clang++"
  "build||2|usage:"
)

for entry in "${cases[@]}"; do
  IFS='|' read -r job removed want_status want_text <<<"$entry"
  bin=$tmp/bin
  rm -rf "$bin" && mkdir "$bin"
  for dir in /usr/local/bin /usr/bin /bin /usr/sbin /sbin; do
    [[ -d $dir && ! -L $dir ]] && ln -sf "$dir"/* "$bin"/ 2>/dev/null
  done
  rm -f "$bin"/dpkg* "$bin"/apt* "$bin"/sudo
  for p in $removed; do rm -f "$bin/$p"; done

  out=$(env -u CXX PATH="$bin" bash "$script" "$job" 2>&1)
  status=$?
  if [[ $status != "$want_status" || $out != *"$want_text"* ]]; then
    echo "job '$job' without '$removed': exit $status (want $want_status), output:"$'\n'"$out" >&2
    failures=$((failures + 1))
  fi
done

((failures == 0)) || exit 1
echo "install-packages without dpkg: ${#cases[@]} cases passed"
