#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the tavrin-cli examples of README.md as a newcomer types them in the
# source folder (here a temporary folder with a copy of examples/), with the
# tavrin-cli under test on the PATH, and fails when one of them does not end
# with exit code 0.
# Usage: ReadmeExamplesTest.sh TAVRIN_CLI README EXAMPLES_DIR
set -uo pipefail
cli=$(realpath "$1")
readme=$(realpath "$2")
examples=$(realpath "$3")
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp -r "$examples" "$folder/examples"
cd "$folder" || exit 1
PATH="$(dirname "$cli"):$PATH"

mapfile -t commands < <(sed -n 's/^    \(tavrin-cli .*\)$/\1/p' "$readme")
if [ ${#commands[@]} -eq 0 ]; then
  echo "README.md shows no tavrin-cli example"
  exit 1
fi
failed=0
for command in "${commands[@]}"; do
  if ! errors=$(eval "$command" 2>&1 >/dev/null); then
    echo "README.md: '$command' fails: $errors"
    failed=1
  fi
done
exit $failed
