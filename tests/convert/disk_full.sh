#!/usr/bin/env bash
# A conversion that runs out of disk space mid-file: the error is reported, the file's previous
# content survives in its backup. Needs a small tmpfs, so root and mount; exits 77 (skip) otherwise.
set -u
convert=${1:?path to brelvo-convert}
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: mounting a small file system needs root"
    exit 77
fi
mnt=$(mktemp -d)
if ! mount -t tmpfs -o size=1m tmpfs "$mnt" 2> /dev/null; then
    echo "SKIP: this machine does not allow mounting a tmpfs"
    rmdir "$mnt"
    exit 77
fi
scratch=$(mktemp -d)
trap 'umount "$mnt"; rmdir "$mnt"; rm -rf "$scratch"' EXIT

# About 240 KB of blocks that grow to 1.4 MB converted: the move costs nothing, the converted
# copy does not fit beside the backup.
for i in $(seq 1 9000); do printf 'mat%d\n\tspc ( 1 1 1 )\n}\n' "$i"; done > "$mnt/big.atr"
cp "$mnt/big.atr" "$scratch/original"
"$convert" "$mnt/big.atr" 2> "$scratch/err" || status=$?
err=$(cat "$scratch/err")
failed=0
if [ "${status:-0}" -ne 1 ]; then echo "FAIL exit status ${status:-0}, expected 1"; failed=1; fi
if [ "$err" != "brelvo-convert: $mnt/big.atr: I/O エラー (112)" ]; then echo "FAIL message: $err"; failed=1; fi
if ! cmp -s "$scratch/original" "$mnt/big.BAK"; then echo "FAIL backup differs"; failed=1; fi
[ $failed -eq 0 ] && echo "ok   disk full: error 112 reported, previous content kept in the backup"
exit $failed
