# SPDX-FileCopyrightText: 2026 The Tavrin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the tests of the installation, the package and the licensing
# (sourced).
#   Arguments of every test: BUILD_DIR SOURCE_DIR APP_ID VERSION DEBIAN_FLAGS
# DEBIAN_FLAGS is ON when the build uses the flags of dpkg-buildflags.

build=$1
source=$2
appId=$3
version=$4
debianFlags=$5

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The tools come with scripts/install-deps; without one the test cannot say
# anything, which is a failure, not a pass.
require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || fail "the tool '$tool' is missing; scripts/install-deps installs it"
  done
}

# Every file an installation holds, relative to its prefix, sorted.
installed_files() {
  printf '%s\n' \
    bin/tavrin \
    bin/tavrin-cli \
    "share/applications/$appId.desktop" \
    share/doc/tavrin/changelog.gz \
    share/doc/tavrin/copyright \
    "share/icons/hicolor/scalable/apps/$appId.svg" \
    share/man/man1/tavrin-cli.1.gz \
    share/man/man1/tavrin.1.gz \
    "share/metainfo/$appId.metainfo.xml" \
    "share/mime/packages/$appId.xml" | LC_ALL=C sort
}

# Fails unless both texts are equal, showing the difference.
expect_same() {
  local what=$1 expected=$2 actual=$3
  [ "$expected" = "$actual" ] ||
    fail "$what differ:"$'\n'"$(diff <(echo "$expected") <(echo "$actual"))"
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
