#!/bin/sh
# Installs the build into a scratch prefix and checks the layout a package
# gets: the command, the program folder with working links to the skin and
# the hand pointer, the desktop entry, icons, metadata, manual and fonts file.
#   install-layout.sh BUILD_DIR SCRATCH_DIR VERSION
set -eu
build=$1
root=$2
version=$3
rm -rf "$root"
cmake --install "$build" --prefix "$root" >/dev/null
fail() { echo "install layout: $*" >&2; exit 1; }

[ "$(readlink -f "$root/bin/quillary")" = "$(readlink -f "$root/lib/quillary/quillary")" ] ||
    fail "bin/quillary does not lead to lib/quillary/quillary"
for file in x/o.cjs HAND-M.CUR; do
    [ -f "$root/lib/quillary/$file" ] || fail "the program folder has no $file"
    [ -f "$root/share/quillary/$file" ] && [ ! -L "$root/share/quillary/$file" ] ||
        fail "share/quillary/$file is not a file"
done
for file in applications/quillary.desktop metainfo/example.marrowind.quillary.metainfo.xml \
        mime/packages/quillary.xml man/man1/quillary.1 fontconfig/conf.avail/60-quillary.conf \
        icons/hicolor/scalable/apps/quillary.svg; do
    [ -f "$root/share/$file" ] || fail "share/$file is missing"
done
for size in 16 22 24 32 48 64 128 256; do
    [ -f "$root/share/icons/hicolor/${size}x${size}/apps/quillary.png" ] || fail "no ${size}px icon"
done
grep -q "\"Quillary $version\"" "$root/share/man/man1/quillary.1" || fail "the manual is not of $version"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/bin/quillary" --version)
[ "$out" = "Quillary $version" ] || fail "--version says '$out'"
rm -rf "$root"
