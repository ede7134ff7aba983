#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Converts a file back and forth while every other open, fchmod, fsync and
# rename is interrupted by a signal (EINTR): each conversion must succeed and
# give back the same bytes.
# Usage: InterruptedCallsTest.sh TAVRIN_CLI INTERRUPTING_SHIM EXAMPLE_HOL
set -uo pipefail
cli=$1
shim=$2
example=$3
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$example" "$folder/example.hol"
cp "$example" "$folder/copy.hol"  # an existing file, so that its permissions are kept (fchmod)
failed=0
for conversion in "example.hol example.json" "example.json copy.hol"; do
  # shellcheck disable=SC2086 # the two file names
  set -- $conversion
  # A preloaded library before the sanitizer's runtime is fine here.
  if ! errors=$(LD_PRELOAD=$shim TAVRIN_INTERRUPTED_LOG=$folder/interrupted \
      ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0 \
      "$cli" convert "$folder/$1" "$folder/$2" 2>&1); then
    echo "convert $1 $2 failed: $errors"
    failed=1
  fi
done
cmp "$example" "$folder/copy.hol" || failed=1
interrupted=$(sort "$folder/interrupted" | tr '\n' ' ')
if [ "$interrupted" != "fchmod fsync open rename " ]; then
  echo "interrupted calls: $interrupted (expected fchmod fsync open rename)"
  failed=1
fi
exit $failed
