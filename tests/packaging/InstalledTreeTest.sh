#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build under an unusual prefix into a DESTDIR and checks the
# tree with the desktop's own tools: the desktop entry, the metainfo, the MIME
# type of *.hol files, the icon, the man pages and the programs themselves.
set -euo pipefail
. "$(dirname "$0")/PackagingTestSupport.sh"
require_tools desktop-file-validate appstreamcli update-mime-database

prefix=/opt/tavrin-test
DESTDIR="$work/dest" cmake --install "$build" --prefix "$prefix" >/dev/null
root="$work/dest$prefix"
expect_same "installed files" "$(installed_files)" "$(cd "$root" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)"

desktop="$root/share/applications/$appId.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
# Also checks that the metainfo's launchable names the installed desktop entry.
appstreamcli validate-tree --no-net --strict "$root" || fail "appstreamcli rejects the metainfo in $root"
appstreamcli validate --pedantic --no-net "$root/share/metainfo/$appId.metainfo.xml" ||
  fail "appstreamcli validate --pedantic finds something in the metainfo"

entry() { sed -n "s/^$1=//p" "$desktop"; }
command=$(entry Exec)
[ -x "$root/bin/${command%% *}" ] || fail "the desktop entry runs '$command', which is not installed"
cmp "$source/resources/tavrin.svg" "$root/share/icons/hicolor/scalable/apps/$(entry Icon).svg" ||
  fail "the desktop entry's icon is not the program icon"

# The MIME database built from the installed package maps *.hol to the type
# the desktop entry opens.
cp -r "$root/share/mime" "$work/mime"
update-mime-database "$work/mime" 2>/dev/null
mimeType=$(entry MimeType)
grep -qxF "50:${mimeType%;}:*.hol" "$work/mime/globs2" ||
  fail "*.hol is not of type ${mimeType%;}: $(cat "$work/mime/globs2")"

# help2man read the programs that were installed.
for page in tavrin tavrin-cli; do
  zgrep -q "^\.TH .*\"$page $version\"" "$root/share/man/man1/$page.1.gz" || fail "$page.1 is not the page of $page $version"
done

# The installed editor answers --help and --version without a display,
# refuses what it does not understand with exit code 2, and says in one line
# that it has no display to open its window on, also with exit code 2.
run() {
  set +e
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/bin/$@" >"$work/out" 2>"$work/err"
  status=$?
  set -e
}
run tavrin --version
[ $status -eq 0 ] && [ "$(cat "$work/out")" = "tavrin $version" ] || fail "tavrin --version: $status, $(cat "$work/out" "$work/err")"
run tavrin --help
[ $status -eq 0 ] && [ "$(head -1 "$work/out")" = "Usage: tavrin [options] [file]" ] || fail "tavrin --help: $status, $(cat "$work/out" "$work/err")"
for wrong in "--open" "a.hol b.hol"; do
  run tavrin $wrong
  [ $status -eq 2 ] && [ ! -s "$work/out" ] && grep -q "^Usage: tavrin" "$work/err" ||
    fail "tavrin $wrong: $status, $(cat "$work/out" "$work/err")"
done
run tavrin
[ $status -eq 2 ] && [ ! -s "$work/out" ] && [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q "^tavrin: .*no display" "$work/err" ||
  fail "tavrin without a display: $status, $(cat "$work/out" "$work/err")"
run tavrin-cli --help
[ $status -eq 0 ] || fail "tavrin-cli --help: $status, $(cat "$work/err")"
