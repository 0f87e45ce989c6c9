#!/bin/sh
# Drives of the install tests in the build's Wine prefix: I: on a folder of
# the tests, and, when this runs as root and may mount, R: on a 46 MiB tmpfs
# that a level fills up. Also a CD folder with a file that can be opened but
# never read: a link to /proc/self/mem, whose reads at offset 0 fail. unmap
# takes all of it away again.
#   drives.sh HARNESS HARNESS_DIR map|unmap WORK
set -eu
harness=$1 dir=$2 action=$3 work=$4
drive() { sh "$(dirname "$0")/../map_drive.sh" "$harness" "$dir" "$@"; }
case $action in
map)
    drive map i "$work/drive-i"
    mkdir -p "$work/drive-r"
    rm -f "$work/no-small-drive"
    if mountpoint -q "$work/drive-r" || mount -t tmpfs -o size=46m tmpfs "$work/drive-r" 2>/dev/null; then
        drive map r "$work/drive-r"
    else
        echo "cannot mount a tmpfs here (not root?)" >"$work/no-small-drive"
    fi
    mkdir -p "$work/unreadable-cd/GAMEGFX"
    ln -sfn /proc/self/mem "$work/unreadable-cd/GAMEGFX/BAD.SMK"
    ;;
unmap)
    drive unmap i "$work/drive-i"
    drive unmap r "$work/drive-r"
    if mountpoint -q "$work/drive-r"; then umount "$work/drive-r"; fi
    rm -rf "$work/unreadable-cd"
    ;;
esac
