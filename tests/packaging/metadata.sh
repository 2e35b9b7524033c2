#!/bin/sh
# Checks one file the package installs for a desktop: the desktop entry, the
# AppStream metadata or the manual page, with the validator Debian uses.
# Exits 77 (skipped) when the validator is not installed.
#   metadata.sh desktop|metainfo|mime|manual FILE
set -eu
kind=$1
file=$2
need() { command -v "$1" >/dev/null || { echo "$1 is not installed (scripts/test installs it)"; exit 77; }; }
case $kind in
desktop)
    need desktop-file-validate
    out=$(desktop-file-validate "$file" 2>&1) || { echo "$out"; exit 1; }
    # Hints are advice; warnings and errors are faults.
    if echo "$out" | grep -v ': hint: ' | grep -q .; then echo "$out"; exit 1; fi
    ;;
metainfo)
    need appstreamcli
    appstreamcli validate --no-net --pedantic "$file"
    ;;
mime)
    need update-mime-database
    # The definition compiled as the package's trigger does: the meeting
    # file's extension must lead to its type.
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    mkdir -p "$scratch/mime/packages"
    cp "$file" "$scratch/mime/packages/quillary.xml"
    out=$(XDG_DATA_DIRS="$scratch" update-mime-database "$scratch/mime" 2>&1)
    [ -z "$out" ] || { echo "$out"; exit 1; }
    grep -q '^50:application/x-quillary-meeting:\*\.quillary$' "$scratch/mime/globs2" ||
        { echo "*.quillary does not lead to application/x-quillary-meeting"; exit 1; }
    ;;
manual)
    need man
    # What lintian runs: any warning of groff is a fault.
    out=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$file" 2>&1 >/dev/null)
    [ -z "$out" ] || { echo "$out"; exit 1; }
    ;;
*)
    echo "unknown kind $kind" >&2
    exit 2
    ;;
esac
