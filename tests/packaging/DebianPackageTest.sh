#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tavrin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Debian package with cpack as a user does and checks its name, its
# files and that apt can install it with the dependencies dpkg-shlibdeps found.
# In the build with Debian's flags (the default preset), lintian finds no
# error and no warning in it.
set -euo pipefail
. "$(dirname "$0")/PackagingTestSupport.sh"
require_tools cpack dpkg-deb dpkg-shlibdeps file apt-get lintian

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$work/cpack.log")"
package="$work/tavrin_${version}_$(dpkg --print-architecture).deb"
[ -f "$package" ] || fail "no $package: $(ls "$work")"

expect_same "packaged files" "$(installed_files | sed 's|^|./usr/|')" \
  "$(dpkg-deb -c "$package" | awk '{ print $6 }' | grep -v '/$' | LC_ALL=C sort)"
depends=$(dpkg-deb -f "$package" Depends)
[[ "$depends" == *libqt6widgets6* ]] || fail "the dependencies lack the libraries the programs link: $depends"
apt-get install --simulate "$package" >"$work/apt.log" 2>&1 || fail "apt cannot install the package: $(cat "$work/apt.log")"

if [ "$debianFlags" = ON ]; then
  lintian --fail-on error,warning --info "$package" >"$work/lintian.log" 2>&1 ||
    fail "lintian finds errors or warnings in the package: $(cat "$work/lintian.log")"
else
  echo "lintian is run on the build with Debian's flags (the default preset) only"
fi
