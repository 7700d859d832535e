#!/bin/sh
# Installs the build into a scratch root as a package would (prefix /usr), then checks what a desktop
# finds there: exactly the expected files, valid desktop entry and metainfo, icons of the sizes their
# folders claim, and a program that runs from its installed place.
# Usage: installtree.sh <build dir> <application id>
set -eu
build=$1
id=$2

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null

sizes="16 22 24 32 48 64 128 256"
{
    echo usr/bin/tilegauge
    echo "usr/share/applications/$id.desktop"
    for s in $sizes; do echo "usr/share/icons/hicolor/${s}x$s/apps/$id.png"; done
    echo "usr/share/icons/hicolor/scalable/apps/$id.svg"
    echo "usr/share/metainfo/$id.metainfo.xml"
    echo "usr/share/mime/packages/$id.xml"
    echo usr/share/bash-completion/completions/tilegauge
    echo usr/share/doc/tilegauge/changelog.gz
    echo usr/share/doc/tilegauge/copyright
    echo usr/share/man/man1/tilegauge.1.gz
} | sort >"$scratch/expected"
(cd "$root" && find . -type f | sed 's|^\./||' | sort) >"$scratch/found"
diff -u "$scratch/expected" "$scratch/found"

desktop-file-validate "$root/usr/share/applications/$id.desktop"
grep -qx "Icon=$id" "$root/usr/share/applications/$id.desktop"
grep -qx "Exec=tilegauge %f" "$root/usr/share/applications/$id.desktop"
grep -qx "MimeType=application/x-tilegauge-rom;application/x-tilegauge-level;inode/directory;" "$root/usr/share/applications/$id.desktop"
# Also ties the metainfo to its desktop entry by id.
appstreamcli validate-tree --no-net --strict "$root"

for s in $sizes; do
    file "$root/usr/share/icons/hicolor/${s}x$s/apps/$id.png" | grep -q "PNG image data, $s x $s,"
done

"$root/usr/bin/tilegauge" --version | grep -Eqx 'Tilegauge [0-9]+\.[0-9]{2}\.[0-9]{4}'
echo "installtree: all checks passed"
