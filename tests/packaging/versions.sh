#!/bin/sh
# The version of the project (CMake's project(VERSION)) is the one the Debian
# changelog and the AppStream metadata announce as the latest.
#   versions.sh SOURCE_DIR VERSION
set -eu
src=$1
version=$2
changelog=$(sed -n '1s/^quillary (\([^)]*\)).*/\1/p' "$src/debian/changelog")
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' \
    "$src/packaging/example.marrowind.quillary.metainfo.xml" | head -n 1)
status=0
[ "$changelog" = "$version" ] || { echo "debian/changelog is at '$changelog', CMake at $version"; status=1; }
[ "$release" = "$version" ] || { echo "the metainfo's latest release is '$release', CMake's $version"; status=1; }
exit $status
