#!/bin/sh
# Installs the build into a scratch root, builds a MIME database from it as a desktop does, and checks
# what a file manager would then say: every catalogue image (whatever its name) and the CD game's level
# file (whatever its case) have our types, random bytes do not, and the desktop entry handles ours.
# Usage: mimetypes.sh <build dir> <application id> <source dir>
set -eu
build=$1
id=$2
source=$3

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
share=$root/usr/share
export XDG_DATA_DIRS="$share:/usr/share"
# A desktop offers only programs it finds on the PATH.
export PATH="$root/usr/bin:$PATH"
export XDG_DATA_HOME="$scratch/home/share"
export XDG_CONFIG_HOME="$scratch/home/config"
export HOME="$scratch/home"
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"
update-mime-database "$share/mime"
update-desktop-database "$share/applications"

typeof() { gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'; }
expect() {
    found=$(typeof "$1")
    if [ "$found" != "$2" ]; then
        echo "$(basename "$1"): $found, expected $2"
        exit 1
    fi
}

# A zeroed image with `serial` at 0x180.
image() {
    head -c 8192 /dev/zero >"$1"
    printf '%s' "$2" | dd of="$1" bs=1 seek=384 conv=notrunc 2>/dev/null
}

# The serials as the catalogue has them: the first 14 characters of each header key.
serials=$(grep -o '"GM [^"]*"' "$source/core/gamecatalogue.h" | cut -c2-15 | sort -u)
test "$(echo "$serials" | wc -l)" -eq 5
n=0
echo "$serials" | while IFS= read -r serial; do
    n=$((n + 1))
    image "$scratch/image$n.bin" "$serial"
    expect "$scratch/image$n.bin" application/x-tilegauge-rom
done
image "$scratch/hack.bin" "GM 00001009-00"
expect "$scratch/hack.bin" application/x-tilegauge-rom
image "$scratch/hack" "GM 00001009-00"
expect "$scratch/hack" application/x-tilegauge-rom
# A serial one character short of a key is not ours.
image "$scratch/near.bin" "GM 00001009-0"
test "$(typeof "$scratch/near.bin")" != application/x-tilegauge-rom

for name in R11A__.MMD r11a__.mmd R11a__.Mmd; do
    head -c 4096 /dev/urandom >"$scratch/$name"
    expect "$scratch/$name" application/x-tilegauge-level
done
head -c 65536 /dev/urandom >"$scratch/random.bin"
case $(typeof "$scratch/random.bin") in
application/x-tilegauge-*) echo "random bytes got our type"; exit 1 ;;
esac

# The desktop entry is offered for both types; xdg-mime, as a desktop runs it, agrees.
for type in application/x-tilegauge-rom application/x-tilegauge-level; do
    gio mime "$type" | grep -q "$id.desktop" || { gio mime "$type"; exit 1; }
done
test "$(XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype "$scratch/hack.bin")" = application/x-tilegauge-rom
echo "mimetypes: all checks passed"
