#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Follows the git set-up of README.md (its .gitattributes line and its git
# config commands, read from the README itself) in a temporary repository, and
# checks that git diff then shows a changed .hol file as a change of its JSON
# form, with the holiday's ID in the hunk header. Exit code 77 (skipped)
# without git.
# Usage: GitTextconvTest.sh TAVRIN_CLI README EXAMPLE_HOL
set -euo pipefail
cli=$(realpath "$1")
readme=$(realpath "$2")
example=$(realpath "$3")
command -v git >/dev/null || { echo "git is not installed"; exit 77; }

attributes=$(sed -n 's/^    \(\*\.hol diff=[a-z]*\)$/\1/p' "$readme")
config=$(sed -n 's/^    \(git config diff\.[a-z]*\.[a-z]* .*\)$/\1/p' "$readme")
if [ -z "$attributes" ] || [ -z "$config" ]; then
  echo "README.md shows no .gitattributes line or no git config command"
  exit 1
fi

repo=$(mktemp -d)
trap 'rm -rf "$repo"' EXIT
cd "$repo"
# Only this repository's settings count, and the README's command finds the
# tavrin-cli under test.
export HOME=$repo GIT_CONFIG_NOSYSTEM=1 PATH="$(dirname "$cli"):$PATH"
export GIT_AUTHOR_NAME=test GIT_AUTHOR_EMAIL=test@example.invalid
export GIT_COMMITTER_NAME=test GIT_COMMITTER_EMAIL=test@example.invalid
git init -q
echo "$attributes" >> .gitattributes
while IFS= read -r command; do
  eval "$command"
done <<<"$config"
cp "$example" holidays.hol
git add . && git commit -qm "holidays"

# A field far below the holiday's ID: the hunk header names the holiday.
tavrin-cli convert holidays.hol - | sed 's/"offsetDays": 2,/"offsetDays": 3,/' > changed.json
tavrin-cli convert changed.json holidays.hol
rm changed.json

changes=$(git diff | grep '^\(@@\|[-+] \)' | sed 's/^@@ .* @@/@@/' || true)
expected='@@ "KARFREITAG"
-          "offsetDays": 2,
+          "offsetDays": 3,'
if [ "$changes" != "$expected" ]; then
  printf 'git diff shows:\n%s\n' "$(git diff)"
  exit 1
fi

# A damaged file still shows, as the error and its bytes.
head -c 100 holidays.hol > damaged.hol && mv damaged.hol holidays.hol
damaged=$(git diff) || { echo "git diff fails on a damaged file"; exit 1; }
if ! grep -q '^+tavrin-cli: cannot load ' <<<"$damaged" || ! grep -q '^+00000060  ' <<<"$damaged"; then
  printf 'git diff of a damaged file shows:\n%s\n' "$damaged"
  exit 1
fi
echo "git diff shows the change of the JSON form, and of a damaged file"
