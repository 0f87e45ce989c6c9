#!/bin/sh
# Maps a drive letter of the build's Wine prefix to a folder of a test's, or
# removes that mapping again.
#   map_drive.sh HARNESS HARNESS_DIR map|unmap LETTER FOLDER
set -eu
harness=$1 dir=$2 action=$3 letter=$4 folder=$5
eval "$("$harness" "$dir" env)"
link="$WINEPREFIX/dosdevices/$letter:"
case $action in
map)
    mkdir -p "$folder"
    ln -sfn "$folder" "$link"
    ;;
unmap)
    # Only a mapping of ours: the same letter made by someone else stays.
    if [ -L "$link" ] && [ "$(readlink "$link")" = "$folder" ]; then
        rm -f "$link"
    fi
    ;;
esac
