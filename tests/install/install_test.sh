#!/usr/bin/env bash
# Installs the build into a fresh prefix and uses it as an installed program is used: the
# driver runs from there, the desktop files pass their validators, and the program finds its
# documents through its program-folder rule.
#   install_test.sh BUILD_DIR SOURCE_DIR PROGRAM_FOLDER_OF
set -euo pipefail
build="$(realpath "$1")" source="$(realpath "$2")" folder_of="$(realpath "$3")"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "install test: $*" >&2; exit 1; }

for f in bin/varnholt bin/varnholt-cli share/applications/varnholt.desktop \
         share/mime/packages/varnholt.xml share/metainfo/com.corvane.Varnholt.metainfo.xml \
         share/icons/hicolor/scalable/apps/varnholt.svg \
         share/icons/hicolor/scalable/mimetypes/application-x-varnholt.svg \
         share/varnholt/map/m560.svg; do
  [ -e "$prefix/$f" ] || fail "$f is not installed"
done

# The installed driver, on its own from the prefix.
cd "$prefix"
json="$(bin/varnholt-cli design "$source/samples/garage-roof.vhl" --json)"
grep -q '"txtlength": "10.01"' <<<"$json" || fail "the installed driver sized the sample wrongly"
QT_QPA_PLATFORM=offscreen bin/varnholt-cli sheet "$source/samples/garage-roof.vhl" -o sheet.pdf
[ "$(head -c 5 sheet.pdf)" = "%PDF-" ] || fail "the installed driver wrote no data sheet"

desktop-file-validate share/applications/varnholt.desktop
appstreamcli validate --no-net share/metainfo/com.corvane.Varnholt.metainfo.xml >/dev/null
grep -q 'pattern="\*.vhl"' share/mime/packages/varnholt.xml || fail "no .vhl file type"

# The documents the program opens, where the program-folder rule looks for them.
documents="$("$folder_of" "$prefix/bin")"
[ "$documents" = "$prefix/share/varnholt" ] || fail "program folder is $documents"
for f in Ring_Soakaway.dxf Soakaway_plus_Silttrap.dxf Trench_Soakaway.dxf CS_VH_schedule.pdf \
         help/helpvarn.chm help/html/index.htm; do
  [ -f "$documents/$f" ] || fail "$f is not in the program folder $documents"
done
echo "install test: the installed program, driver and desktop files are whole"
