#!/bin/sh
# The version of the project (CMake's project(VERSION)) is the one the Debian
# changelog and the AppStream metadata announce as the latest; the address
# and the licence that Help > About shows are the packages' own.
#   versions.sh SOURCE_DIR VERSION HOMEPAGE LICENCE
set -eu
src=$1
version=$2
homepage=$3
licence=$4
changelog=$(sed -n '1s/^quillary (\([^)]*\)).*/\1/p' "$src/debian/changelog")
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' \
    "$src/packaging/example.marrowind.quillary.metainfo.xml" | head -n 1)
status=0
[ "$changelog" = "$version" ] || { echo "debian/changelog is at '$changelog', CMake at $version"; status=1; }
[ "$release" = "$version" ] || { echo "the metainfo's latest release is '$release', CMake's $version"; status=1; }
metainfo=$src/packaging/example.marrowind.quillary.metainfo.xml
grep -q "^Homepage: $homepage\$" "$src/debian/control" ||
    { echo "debian/control's Homepage is not $homepage"; status=1; }
grep -q "<url type=\"homepage\">$homepage</url>" "$metainfo" ||
    { echo "the metainfo's homepage is not $homepage"; status=1; }
grep -q "<project_license>$licence</project_license>" "$metainfo" ||
    { echo "the metainfo's licence is not $licence"; status=1; }
exit $status
