#!/bin/sh
# A real CD for the uninstall tests: a small CD folder (QUORIX.EXE and a few
# files in every directory of the Full level, among them names that ISO 9660
# itself cannot hold) made into an ISO image, mounted read-only and made the
# prefix's CD-ROM drive D:. Where any of that cannot be done, WORK/no-cd-image
# says why and the tests that need it skip. unmap takes it all away again.
#   cd_image.sh HARNESS HARNESS_DIR map|unmap WORK QUORIX_EXE
set -eu
harness=$1 dir=$2 action=$3 work=$4 exe=$5
image=$(dirname "$0")/../../scripts/cd-image
eval "$("$harness" "$dir" env)"
case $action in
map)
    rm -rf "$work/cd-folder" "$work/no-cd-image"
    mkdir -p "$work/cd-folder"
    cp "$exe" "$work/cd-folder/QUORIX.EXE"
    for file in GAMEGFX/INTRO.SMK "GAMEGFX/Long File Name.dat" GAMEGFX/palette.pal \
        EDITOR/ZONEA/MI01.DAT EDITOR/ZONEB/MISSIONDATA.DAT EDITOR/ZONEC/MI03.DAT EDITOR/ZONED/MI04.DAT \
        EDITOR/ZONEE/MI05.DAT EDITOR/ZONEF/MI06.DAT EDITOR/ZONEF/README.TXT \
        SOUND/MIDI/THEME.MID SOUND/SFX/BOOM.WAV SOUND/SPEECH/HELLO.WAV; do
        mkdir -p "$work/cd-folder/$(dirname "$file")"
        # Each file its own bytes, one of them longer than a 64 KiB chunk.
        yes "$file" | head -c $((3000 + ${#file} * 7000)) >"$work/cd-folder/$file"
    done
    if ! why=$("$image" make "$work/cd-folder" "$work/QUORIX.ISO") ||
       ! why=$("$image" mount "$work/QUORIX.ISO" "$work/cdrom"); then
        echo "$why" >"$work/no-cd-image"
        exit 0
    fi
    "$image" drive d "$work/cdrom"
    ;;
unmap)
    "$image" undrive d "$work/cdrom"
    "$image" unmount "$work/cdrom"
    ;;
esac
