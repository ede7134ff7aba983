#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the commands that write to standard output with standard output on
# /dev/full: each must end with exit code 2 and say why, not report success.
# Usage: FullOutputTest.sh TAVRIN_CLI EXAMPLE_HOL
set -uo pipefail
cli=$1
example=$2
[ -w /dev/full ] || { echo "/dev/full is missing"; exit 77; }
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
# A file that check finds fault with and that diff finds different.
odd=$folder/odd.json
echo '{"holidays": [{"id": "A,B", "rulesets": [{"validFrom": 1, "validTo": 9999, "fixedDay": 1, "fixedMonth": 1}]}]}' >"$odd"
failed=0
for command in "convert $example -" "dates $example 2024" "preview $example 2024" "check $odd" \
               "diff $example $odd 2024" "ics $example 2024" "--help"; do
  # shellcheck disable=SC2086 # the words of the command
  errors=$("$cli" $command 2>&1 >/dev/full)
  code=$?
  if [ "$code" != 2 ] || [ "$errors" != "tavrin-cli: cannot write to standard output" ]; then
    echo "tavrin-cli $command > /dev/full: exit code $code, standard error: $errors"
    failed=1
  fi
done
exit $failed
