#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Every file of the source tree states its copyright and licence in the REUSE
# layout that reuse lint checks. Outside a git work tree, where reuse cannot
# tell the sources from build folders and other files, the test is skipped.
set -euo pipefail
. "$(dirname "$0")/PackagingTestSupport.sh"
require_tools reuse git

if ! git -C "$source" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "$source is not a git work tree"
  exit 77
fi
reuse --root "$source" lint >"$work/reuse.log" 2>&1 || fail "reuse lint: $(cat "$work/reuse.log")"
