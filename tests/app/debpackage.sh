#!/bin/sh
# Makes the .deb with CPack, then checks it without installing it: the control file (name, version,
# architecture, dependencies found by dpkg-shlibdeps), the file list, Debian's own checker (lintian: no
# error, no warning), and that the extracted program shows its window under Xvfb and stays up.
# Usage: debpackage.sh <build dir> <application id> <package version>
set -eu
build=$1
id=$2
version=$3

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1 \
    || { cat "$scratch/cpack.log"; exit 1; }
deb=$scratch/out/tilegauge_${version}_$(dpkg --print-architecture).deb
test -f "$deb"

field() { dpkg-deb --field "$deb" "$1"; }
test "$(field Package)" = tilegauge
test "$(field Version)" = "$version"
depends=$(field Depends)
echo "Depends: $depends"
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libicu72; do
    case ", $depends," in
    *", $lib ("* | *", $lib,"*) ;;
    *) echo "no $lib in Depends"; exit 1 ;;
    esac
done

dpkg-deb --contents "$deb" | awk '{ print $NF }' | grep -v '/$' | sort >"$scratch/found"
{
    echo ./usr/bin/tilegauge
    echo "./usr/share/applications/$id.desktop"
    for s in 16 22 24 32 48 64 128 256; do echo "./usr/share/icons/hicolor/${s}x$s/apps/$id.png"; done
    echo "./usr/share/icons/hicolor/scalable/apps/$id.svg"
    echo "./usr/share/metainfo/$id.metainfo.xml"
    echo "./usr/share/mime/packages/$id.xml"
    echo ./usr/share/bash-completion/completions/tilegauge
    echo ./usr/share/doc/tilegauge/changelog.gz
    echo ./usr/share/doc/tilegauge/copyright
    echo ./usr/share/man/man1/tilegauge.1.gz
} | sort >"$scratch/expected"
diff -u "$scratch/expected" "$scratch/found"

# Informational tags are left to taste; anything lintian calls a warning or an error fails.
lintian --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1 \
    || { grep -v 'running with root privileges' "$scratch/lintian.log"; echo "lintian found the above"; exit 1; }

dpkg-deb -x "$deb" "$scratch/root"
program=$scratch/root/usr/bin/tilegauge
file "$program" | grep -q ", stripped"
# Under an X server the extracted program must put up its window, titled with this version, and stay up.
title=$(echo "$version" | awk -F. '{ printf "Tilegauge %d.%02d.%04d", $1, $2, $3 }')
# Start the search for a free display at a number of our own, so that two runs at once do not race for :99.
HOME=$scratch QT_QPA_PLATFORM=xcb xvfb-run -a -n $(($$ % 400 + 100)) -s '-screen 0 1024x768x24' sh -c '
    "$1" & pid=$!
    for _ in $(seq 100); do
        kill -0 $pid 2>/dev/null || { echo "tilegauge ended before its window showed"; exit 1; }
        if xwininfo -root -tree | grep -qF "\"$2\""; then
            sleep 1
            kill -0 $pid 2>/dev/null || { echo "tilegauge ended after its window showed"; exit 1; }
            kill $pid
            exit 0
        fi
        sleep 0.1
    done
    kill $pid
    echo "no window titled $2 within 10 s"
    exit 1' sh "$program" "$title"
echo "debpackage: all checks passed"
