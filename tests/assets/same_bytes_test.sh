#!/usr/bin/env bash
# Runs the asset generator twice into fresh folders: both runs must write the
# same files, byte for byte, and among them the files the game names.
# Usage: same_bytes_test.sh <zandoli-assets>
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for run in first second; do
    "$1" "$work/$run" || { echo "FAIL: the $run run of the generator failed"; exit 1; }
done
for name in Images/wdial.jpg Images/zandolic13@2x.jpg Images/wsq20.jpg wav/fanf3.wav \
    wav/click1.wav icons/zandoli-256.png; do
    [ -f "$work/first/$name" ] || { echo "FAIL: no $name"; exit 1; }
done
diff -r "$work/first" "$work/second" || { echo "FAIL: the two runs differ"; exit 1; }
echo "two runs wrote the same $(find "$work/first" -type f | wc -l) files"
