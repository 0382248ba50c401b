#!/usr/bin/env bash
# Builds the .deb, unpacks it into a fresh root and runs what it holds: the converter's
# --version, and the desktop program up to its first window on a virtual screen.
set -u
build=${1:?build folder}
for tool in cpack dpkg-deb dpkg-shlibdeps xvfb-run xdotool; do
    command -v "$tool" > /dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" > cpack.log 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/*.deb 2> /dev/null | head -n 1)
[ -n "$deb" ] || { echo "FAIL no .deb built"; exit 1; }
failed=0
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6; do
    grep -q "$library" <<< "$depends" || { echo "FAIL Depends lacks $library: $depends"; failed=1; }
done
root="$work/root"
dpkg-deb -x "$deb" "$root"
version=$("$root/usr/bin/brelvo-convert" --version)
[ "$version" = "brelvo-convert $(dpkg-deb -f "$deb" Version)" ] || { echo "FAIL version: $version"; failed=1; }
[ -f "$root/usr/share/applications/org.brelvo.Brelvo.desktop" ] || { echo "FAIL no desktop file"; failed=1; }

cat > "$work/first_window.sh" <<'SESSION'
"$BRELVO" &
pid=$!
for _ in $(seq 1 200); do
    xdotool search --onlyvisible --name '^Brelvo$' > /dev/null 2>&1 && break
    sleep 0.1
done
shown=1
xdotool search --onlyvisible --name '^Brelvo$' > /dev/null 2>&1 || shown=0
kill $pid 2> /dev/null
wait $pid 2> /dev/null
[ $shown -eq 1 ]
SESSION
unset QT_QPA_PLATFORM  # a real window on the virtual screen
if BRELVO="$root/usr/bin/brelvo" LANG=C.UTF-8 xvfb-run -a bash "$work/first_window.sh"; then
    echo "ok   the packaged desktop program shows its main window"
else
    echo "FAIL the packaged desktop program showed no window"
    failed=1
fi
[ $failed -eq 0 ] && echo "ok   $(basename "$deb"): $depends"
exit $failed
