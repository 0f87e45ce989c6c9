#!/bin/sh
# Drives of the uninstall tests in the build's Wine prefix: LETTER on FOLDER,
# and D: a CD-ROM drive on an ISO image made from QUORIX_EXE and a few files
# (cd_image.sh). unmap takes both away again.
#   drives.sh HARNESS HARNESS_DIR map|unmap LETTER FOLDER WORK QUORIX_EXE
set -eu
harness=$1 dir=$2 action=$3 letter=$4 folder=$5 work=$6 exe=$7
here=$(dirname "$0")
sh "$here/../map_drive.sh" "$harness" "$dir" "$action" "$letter" "$folder"
sh "$here/cd_image.sh" "$harness" "$dir" "$action" "$work" "$exe"
