#!/bin/sh
# Drives of the install tests in the build's Wine prefix: I: on a folder of
# the tests, and, when this runs as root and may mount, R: on a 46 MiB tmpfs
# that a level fills up. unmap takes both away again.
#   drives.sh HARNESS HARNESS_DIR map|unmap WORK
set -eu
harness=$1 dir=$2 action=$3 work=$4
eval "$("$harness" "$dir" env)"
devices="$WINEPREFIX/dosdevices"
case $action in
map)
    mkdir -p "$work/drive-i" "$work/drive-r"
    ln -sfn "$work/drive-i" "$devices/i:"
    rm -f "$work/no-small-drive"
    if mountpoint -q "$work/drive-r" || mount -t tmpfs -o size=46m tmpfs "$work/drive-r" 2>/dev/null; then
        ln -sfn "$work/drive-r" "$devices/r:"
    else
        echo "cannot mount a tmpfs here (not root?)" >"$work/no-small-drive"
    fi
    ;;
unmap)
    for letter in i r; do
        if [ -L "$devices/$letter:" ] && [ "$(readlink "$devices/$letter:")" = "$work/drive-$letter" ]; then
            rm -f "$devices/$letter:"
        fi
    done
    if mountpoint -q "$work/drive-r"; then umount "$work/drive-r"; fi
    ;;
esac
