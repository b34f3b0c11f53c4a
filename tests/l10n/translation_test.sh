#!/usr/bin/env bash
# A translation is complete and up to date: lupdate finds nothing new in the sources (run
# `cmake --build build --target update_translations` when it does) and lrelease reports no
# unfinished entry.
# Usage: translation_test.sh LUPDATE LRELEASE FILE.ts [-I FOLDER] SOURCES...
set -euo pipefail
lupdate=$1 lrelease=$2 ts=$3
shift 3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cp "$ts" "$scratch/check.ts"
"$lupdate" -silent -locations none -no-obsolete "$@" -ts "$scratch/check.ts"
if ! cmp -s "$ts" "$scratch/check.ts"; then
  echo "$(basename "$ts") is behind the sources; build the target update_translations:" >&2
  diff "$ts" "$scratch/check.ts" | head -40 >&2
  exit 1
fi
report=$("$lrelease" "$ts" -qm "$scratch/check.qm")
echo "$report"
if ! grep -q ' 0 unfinished' <<<"$report" || grep -q 'untranslated' <<<"$report"; then
  echo "$(basename "$ts") has unfinished entries" >&2
  exit 1
fi
