#!/usr/bin/env bash
# Installs into a scratch prefix and checks the desktop integration files with the validators
# that distributions use.
set -u
build=${1:?build folder}
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" > /dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null || exit 1
failed=0
for file in bin/brelvo bin/brelvo-convert share/man/man1/brelvo-convert.1 \
            share/applications/org.brelvo.Brelvo.desktop share/metainfo/org.brelvo.Brelvo.metainfo.xml \
            share/icons/hicolor/scalable/apps/org.brelvo.Brelvo.svg \
            share/icons/hicolor/32x32/apps/org.brelvo.Brelvo.png share/icons/hicolor/48x48/apps/org.brelvo.Brelvo.png; do
    [ -f "$prefix/$file" ] || { echo "FAIL not installed: $file"; failed=1; }
done
desktop-file-validate "$prefix/share/applications/org.brelvo.Brelvo.desktop" | grep -v '^.*: hint: ' && failed=1
[ "${PIPESTATUS[0]}" -eq 0 ] || { echo "FAIL desktop-file-validate"; failed=1; }
grep -qx 'Exec=brelvo' "$prefix/share/applications/org.brelvo.Brelvo.desktop" || { echo "FAIL Exec line"; failed=1; }
appstreamcli validate --no-net "$prefix/share/metainfo/org.brelvo.Brelvo.metainfo.xml" || { echo "FAIL appstreamcli"; failed=1; }

# The manual page documents every option that --help lists, and the other way round.
help_options=$("$prefix/bin/brelvo-convert" --help | grep -oE -- '--[a-z-]+' | sort -u)
man_options=$(sed 's/\\-/-/g' "$prefix/share/man/man1/brelvo-convert.1" | grep -oE -- '--[a-z-]+' | sort -u)
if [ "$help_options" != "$man_options" ]; then
    echo "FAIL --help and the manual page list different options:"
    diff <(echo "$help_options") <(echo "$man_options")
    failed=1
fi
[ $failed -eq 0 ] && echo "ok   installed files present, validators pass, manual page matches --help"
exit $failed
