#!/bin/sh
# Maps drive E of the build's Wine prefix to a folder of the driver tests, or
# removes that mapping again.
#   drive_e.sh HARNESS HARNESS_DIR map|unmap FOLDER
set -eu
harness=$1 dir=$2 action=$3 folder=$4
eval "$("$harness" "$dir" env)"
link="$WINEPREFIX/dosdevices/e:"
case $action in
map)
    mkdir -p "$folder"
    ln -sfn "$folder" "$link"
    ;;
unmap)
    # Only a mapping of ours: a drive E made by someone else stays.
    if [ -L "$link" ] && [ "$(readlink "$link")" = "$folder" ]; then
        rm -f "$link"
    fi
    ;;
esac
