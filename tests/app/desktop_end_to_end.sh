#!/usr/bin/env bash
# The desktop program as a user meets it, on a virtual screen with a window manager: it starts
# in a folder holding temp/_temp.atr, Enter converts the file, Alt+F4 ends it with status 0.
set -u
SECONDS=0
brelvo=${1:?path to brelvo}
for tool in xvfb-run xdotool xprop openbox; do
    if ! command -v "$tool" > /dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/temp"
printf 'mat\r\n\tspc ( 1 1 1 )\r\n}\r\n' > "$work/temp/_temp.atr"

cat > "$work/session.sh" <<'SESSION'
set -u
SECONDS=0
openbox > /dev/null 2>&1 &
for _ in $(seq 1 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id' && break
    sleep 0.1
done
# The window manager announces itself a moment before it handles new windows; a window mapped
# in between stays unmapped.
sleep 1
"$BRELVO" &
pid=$!
window=""
for _ in $(seq 1 200); do
    window=$(xdotool search --onlyvisible --name '^Brelvo$' 2> /dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "FAIL the main window did not appear"; kill $pid; exit 1; }
sleep 1  # let the window manager take the window before keys are sent to it
xdotool windowactivate --sync "$window" key Return
for _ in $(seq 1 100); do
    grep -q celllookedge temp/_temp.atr && break
    sleep 0.1
done
grep -q celllookedge temp/_temp.atr || { echo "FAIL Enter did not convert temp/_temp.atr"; kill $pid; exit 1; }
echo "ok   Enter converted temp/_temp.atr ($SECONDS s)"
xdotool windowactivate --sync "$window" key alt+F4
for _ in $(seq 1 100); do
    kill -0 $pid 2> /dev/null || break
    sleep 0.1
done
if kill -0 $pid 2> /dev/null; then echo "FAIL still running after Alt+F4"; kill $pid; exit 1; fi
wait $pid
status=$?
[ $status -eq 0 ] || { echo "FAIL exit status $status"; exit 1; }
echo "ok   Alt+F4 ended the program with status 0 ($SECONDS s)"
SESSION

cd "$work" || exit 1
unset QT_QPA_PLATFORM
export LANG=C.UTF-8 BRELVO="$brelvo"
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/session.sh"
