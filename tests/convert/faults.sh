#!/usr/bin/env bash
# Real file-system faults at each phase of a conversion. After every failure the file's previous
# content must be byte for byte under its own name or under its backup name, and the error
# must be reported. Needs root to mount small file systems; exits 77 (skip) without it.
set -u
convert=${1:?path to brelvo-convert}
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: mounting small file systems needs root"
    exit 77
fi
scratch=$(mktemp -d)
mnt="$scratch/mnt"
mkdir "$mnt"
if ! mount -t tmpfs -o size=1m tmpfs "$mnt" 2> /dev/null; then
    echo "SKIP: this machine does not allow mounting a tmpfs"
    rm -rf "$scratch"
    exit 77
fi
umount "$mnt"
cleanup() {
    mountpoint -q "$mnt" && umount "$mnt"
    [ -d "$scratch/locked" ] && chattr -i "$scratch/locked" 2> /dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
failures=0

blocks() {  # n blocks of three lines, about 27 bytes each, growing to about 150 converted
    for i in $(seq 1 "$1"); do printf 'mat%d\n\tspc ( 1 1 1 )\n}\n' "$i"; done
}
fresh_mount() {
    mountpoint -q "$mnt" && umount "$mnt"
    mount -t tmpfs -o size=1m tmpfs "$mnt"
}
leave_free() {  # fills the file system until only $1 bytes are free
    local avail
    avail=$(df --output=avail -B1 "$mnt" | tail -n 1)
    [ "$avail" -gt "$1" ] && head -c $((avail - $1)) /dev/zero > "$mnt/filler" 2> /dev/null
    sync
}
# expect NAME FILE ORIGINAL MESSAGE: the converter fails with MESSAGE and the content survives.
expect() {
    local name=$1 file=$2 original=$3 message=$4 status=0
    "$convert" "$file" 2> "$scratch/err" || status=$?
    local err backup="${file%????}.BAK"
    err=$(cat "$scratch/err")
    if [ $status -ne 1 ]; then
        echo "FAIL $name: exit status $status, expected 1"
    elif [ "$err" != "brelvo-convert: $file: $message" ]; then
        echo "FAIL $name: message '$err'"
    elif ! cmp -s "$original" "$file" && ! cmp -s "$original" "$backup"; then
        echo "FAIL $name: the previous content is neither under the name nor in the backup"
    else
        echo "ok   $name: '$message', previous content kept"
        return
    fi
    failures=$((failures + 1))
}

# Full before the conversion starts: the move needs no space, the first write fails.
fresh_mount
blocks 300 > "$mnt/full.atr"
cp "$mnt/full.atr" "$scratch/full.orig"
leave_free 0
expect "disk full from the start" "$mnt/full.atr" "$scratch/full.orig" "I/O エラー (112)"

# Full in the middle of a block: the converted copy outgrows the space beside the backup.
fresh_mount
blocks 9000 > "$mnt/big.atr"
cp "$mnt/big.atr" "$scratch/big.orig"
expect "disk full mid-block" "$mnt/big.atr" "$scratch/big.orig" "I/O エラー (112)"

# Full at the end: the whole output sits in the write buffer until the file is closed.
fresh_mount
blocks 100 > "$mnt/small.atr"
cp "$mnt/small.atr" "$scratch/small.orig"
leave_free 8192
expect "disk full when the file is closed" "$mnt/small.atr" "$scratch/small.orig" "I/O エラー (112)"

# A read-only file system: nothing can be moved or written.
fresh_mount
blocks 10 > "$mnt/ro.atr"
cp "$mnt/ro.atr" "$scratch/ro.orig"
mount -o remount,ro "$mnt"
expect "read-only file system" "$mnt/ro.atr" "$scratch/ro.orig" "ファイルへのアクセスが拒否されました"
cmp -s "$scratch/ro.orig" "$mnt/ro.atr" || { echo "FAIL read-only file system: file changed"; failures=$((failures + 1)); }
umount "$mnt"

# A folder nothing may be added to or removed from, even by root.
mkdir "$scratch/locked"
blocks 10 > "$scratch/locked/a.atr"
cp "$scratch/locked/a.atr" "$scratch/locked.orig"
if chattr +i "$scratch/locked" 2> /dev/null; then
    expect "locked folder" "$scratch/locked/a.atr" "$scratch/locked.orig" "ファイルへのアクセスが拒否されました"
    chattr -i "$scratch/locked"
else
    echo "skip locked folder: this file system cannot lock a folder (chattr +i)"
fi

[ $failures -eq 0 ]
