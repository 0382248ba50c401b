#!/usr/bin/env bash
# The converter as a user runs it from a shell: exit statuses, messages, files on disk.
set -u
# BRELVO_CONVERT: the converter, after an emulator and ';' where one is needed (Wine).
IFS=';' read -ra parts <<< "${BRELVO_CONVERT:?path to brelvo-convert}"
command=()
for part in "${parts[@]}"; do
    [ -n "$part" ] && command+=("$part")
done
brelvo_convert() { "${command[@]}" "$@"; }
# Text output as read on any platform: a Windows console program ends its lines in CR LF.
output_of() { brelvo_convert "$@" | tr -d '\r'; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
check() {  # description, then a command that must succeed
    local what=$1
    shift
    if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}

options_default=' draw 0.000 rate 0.003 shader 3 ( 0.000 0.000 0.000 ) ( 0.000 0.259 0.700 ) ( 0.259 10.000 1.000 ) )'
check "--print-options with the defaults" [ "$(output_of --print-options)" = "$options_default" ]
check "--print-options with preset and rate" [ "$(output_of --print-options --preset 1 --rate=0.00001)" = \
    ' draw 0.000 rate 1E-5 shader 3 ( 0.000 0.500 0.250 ) ( 0.500 0.626 0.750 ) ( 0.626 10.000 1.000 ) )' ]
check "--version" grep -q '^brelvo-convert [0-9]' <<< "$(output_of --version)"
check "--help shows the usage" grep -q '^Usage: brelvo-convert' <<< "$(output_of --help)"

printf 'mat\n\tspc ( 1 )\n}\n' > a.atr
cp a.atr b.atr
cp a.atr c.atr
expected=$(printf 'mat\r\n\tspc ( 0.000 0.100 0.000 )\r\n\topt ( celllookedge%s\r\n}\r\n' "$options_default")
brelvo_convert a.atr b.atr 2> err.txt
check "converts several files, exit 0" [ $? -eq 0 ]
check "first file converted byte for byte" [ "$(cat a.atr)" = "$expected" ]
check "second file converted" [ "$(cat b.atr)" = "$expected" ]
check "backups deleted" [ ! -e a.BAK ] && [ ! -e b.BAK ]
check "nothing on standard error when it is no terminal" [ ! -s err.txt ]

brelvo_convert --keep-backup c.atr
check "--keep-backup keeps the previous content" bash -c "printf 'mat\n\tspc ( 1 )\n}\n' | cmp -s - c.BAK"

printf 'x\n}\n' > d.atr
printf 'x\n}\n' > f.atr
brelvo_convert d.atr missing.atr f.atr 2> err.txt
status=$?
check "a failure exits 1" [ $status -eq 1 ]
sed -i 's/\r$//' err.txt
check "the message names the file and the error" grep -q '^brelvo-convert: missing.atr: ファイルが見つかりません$' err.txt
check "files before the failure stay converted" grep -q celllookedge d.atr
check "files after the failure are untouched" [ "$(cat f.atr)" = "$(printf 'x\n}')" ]

# One line longer than the memory allowed: a clean failure, the content safe in the backup.
# Sanitizers and emulators reserve more address space than the limit allows.
if [ ${#command[@]} -eq 1 ] && [ -z "${BRELVO_SANITIZED:-}" ]; then
    head -c 24000000 /dev/zero | tr '\0' 'x' > long.atr
    (ulimit -v 24000 && brelvo_convert long.atr 2> err.txt)
    status=$?
    check "a line beyond memory exits 1" [ $status -eq 1 ]
    check "a line beyond memory is reported" grep -q '^brelvo-convert: long.atr: not enough memory$' err.txt
    check "a line beyond memory stays in the backup" \
        bash -c "[ \$(wc -c < long.BAK) -eq 24000000 ] && [ -z \"\$(tr -d x < long.BAK)\" ]"
    rm -f long.atr long.BAK
else
    echo "SKIP a line beyond memory: the converter runs under a sanitizer or an emulator"
fi

brelvo_convert --preset=9 a.atr 2> err.txt
check "a usage error exits 2" [ $? -eq 2 ]
check "a usage error says what is wrong" grep -q "invalid preset '9'" err.txt
brelvo_convert 2> /dev/null
check "no files is a usage error" [ $? -eq 2 ]

[ $failures -eq 0 ]
