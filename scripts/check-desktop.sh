#!/usr/bin/env bash
# Checks the program as installed, from outside: installs the normal build into a temporary
# prefix, validates the desktop entry, the AppStream metainfo and the warrior file type, starts
# the installed launcher from another folder on a virtual screen with a saved warrior on its
# command line and checks, by saving it with Ctrl+S, that a warrior window holds it; under openbox
# closes the frame as its close box does and answers the quit question No, then Yes; then builds
# the Debian package and checks what it holds. Run after the normal build (scripts/test.sh does).
#   scripts/check-desktop.sh [build folder]          (default build/default)
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir="$PWD"
build="$(cd "${1:-build/default}" && pwd)"
id=org.drakkenfold.CharacterGenerator
title="Drakkenfold Character Generator"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "check-desktop: $*" >&2; exit 1; }

echo "--- install into a temporary prefix"
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/drakkenfold lib/drakkenfold/drakkenfold share/applications/$id.desktop \
         share/metainfo/$id.metainfo.xml share/mime/packages/$id.xml \
         share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/48x48/apps/$id.png; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done
for f in data/*.dat; do
  [ -e "$f" ] || continue
  [ -f "$prefix/lib/drakkenfold/$(basename "$f")" ] || fail "data file not beside the program: $f"
done
for f in data/templates/*.mustache; do
  [ -f "$prefix/lib/drakkenfold/templates/$(basename "$f")" ] || fail "template not beside the program: $f"
done

echo "--- desktop entry, metainfo, file type"
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
XDG_DATA_DIRS="$prefix/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}" update-mime-database "$prefix/share/mime"
grep -q '^application/x-drakkenfold-warrior:\*\.war$' "$prefix/share/mime/globs" \
  || fail "the MIME database does not know *.war"
grep -q '^MimeType=application/x-drakkenfold-warrior;$' "$prefix/share/applications/$id.desktop" \
  || fail "the desktop entry does not handle warrior files"

echo "--- the installed launcher answers on the command line, from another folder"
mkdir -p "$work/elsewhere"
cd "$work/elsewhere"
env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/drakkenfold" --version | grep -qx "$title [0-9.]*" \
  || fail "--version"
set +e
env -u DISPLAY "$prefix/bin/drakkenfold" --no-such-option >/dev/null 2>"$work/usage"
status=$?
set -e
[ "$status" -eq 2 ] && grep -q '^Usage: drakkenfold' "$work/usage" || fail "unknown option: exit $status"

echo "--- the installed launcher opens a saved warrior, from another folder"
cp "$source_dir/tests/fixtures/full_warrior.war" "$work/elsewhere/kai.war"
cat >"$work/look.sh" <<'LOOK'
#!/usr/bin/env bash
# On the virtual screen: start the program with the warrior, wait for the main frame, make sure
# no message box came up, then press Ctrl+S. Only a warrior window that opened kai.war can save
# it, and saving writes the file's own path into it (the file was copied here from elsewhere),
# with the warrior's name as the window read it.
set -u
unset QT_QPA_PLATFORM  # a real X client on the virtual screen, not Qt's offscreen platform
prefix="$1" title="$2" file="$PWD/kai.war"
"$prefix/bin/drakkenfold" kai.war &
pid=$!
frame=""
for _ in $(seq 1 60); do  # the splash alone stays 5 s
  frame="$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1)"
  [ -n "$frame" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.5
done
status=1
if [ -z "$frame" ]; then
  echo "no main frame appeared" >&2
else
  sleep 1
  # A message box (a missing data file, a refused file) would be a second window of that title.
  if [ "$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | wc -l)" -ne 1 ]; then
    echo "a message box is open beside the frame" >&2
  else
    xdotool windowfocus --sync "$frame" 2>/dev/null
    xdotool key --clearmodifiers ctrl+s
    for _ in $(seq 1 20); do
      if grep -qxF "$file"$'\r' "$file" && grep -qxF $'Kai, the Second\r' "$file"; then
        status=0
        break
      fi
      sleep 0.5
    done
    [ "$status" -eq 0 ] && echo "the warrior window saved $file" \
      || echo "the program did not save the warrior it was given" >&2
  fi
fi
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
exit "$status"
LOOK
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$work/look.sh" "$prefix" "$title" \
  || fail "the installed program did not open the warrior"
cat >"$work/close.sh" <<'CLOSE'
#!/usr/bin/env bash
# Under a real window manager: the frame's close (Alt+F4 to openbox, as its close box does) asks
# the quit question as Exit does; No keeps the program running, Yes ends it with status 0.
set -u
unset QT_QPA_PLATFORM
prefix="$1" title="$2"
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill "$wm" 2>/dev/null' EXIT
"$prefix/bin/drakkenfold" --new-instance kai.war &
pid=$!
windows() { xdotool search --onlyvisible --name "^$title\$" 2>/dev/null; }
waitFor() {  # a count of visible windows of the title, within $2 quarter seconds
  for _ in $(seq 1 "${2:-40}"); do [ "$(windows | wc -l)" -eq "$1" ] && return 0; sleep 0.25; done
  return 1
}
waitFor 1 120 || { echo "no main frame appeared" >&2; exit 1; }  # the splash stays 5 s
sleep 1
frame="$(windows | head -n 1)"
# Alt+F4 goes to the active window: the frame is made active first, and seen to be (at most 5 s).
closeFrame() {
  for _ in $(seq 1 20); do
    xdotool windowactivate "$frame" 2>/dev/null
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$frame" ] && break
    sleep 0.25
  done
  xdotool key --clearmodifiers alt+F4
}
closeFrame
waitFor 2 || { echo "closing the frame asked nothing" >&2; exit 1; }
xdotool key --clearmodifiers Escape  # No
waitFor 1 && sleep 1
kill -0 "$pid" 2>/dev/null || { echo "No to the quit question ended the program" >&2; exit 1; }
closeFrame
waitFor 2 || { echo "the second close asked nothing" >&2; exit 1; }
xdotool key --clearmodifiers Return  # Yes
for _ in $(seq 1 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.25; done
if kill -0 "$pid" 2>/dev/null; then echo "Yes did not end the program" >&2; kill "$pid"; exit 1; fi
wait "$pid"
status=$?
[ "$status" -eq 0 ] && echo "the frame's close asked the quit question; No kept it, Yes ended it" \
  || echo "the program ended with status $status" >&2
exit "$status"
CLOSE
echo "--- the frame's close under a window manager asks as Exit does"
cd "$work/elsewhere"
XDG_STATE_HOME="$work/state" XDG_CONFIG_HOME="$work/config" \
  xvfb-run -a -s "-screen 0 1280x1024x24" bash "$work/close.sh" "$prefix" "$title" \
  || fail "the frame's close did not ask the quit question"
cd "$source_dir"

echo "--- the Debian package"
(cd "$build" && rm -f drakkenfold_*.deb && cpack -G DEB >/dev/null)
deb="$(ls "$build"/drakkenfold_*.deb)"
dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's/ ->.*//' >"$work/contents"
for f in ./usr/bin/drakkenfold ./usr/lib/drakkenfold/drakkenfold \
         ./usr/share/applications/$id.desktop ./usr/share/mime/packages/$id.xml \
         ./usr/share/metainfo/$id.metainfo.xml ./usr/share/icons/hicolor/scalable/apps/$id.svg \
         ./usr/share/icons/hicolor/256x256/apps/$id.png; do
  grep -qx "$f" "$work/contents" || fail "the package lacks $f"
done
for f in data/*.dat; do
  [ -e "$f" ] || continue
  grep -qx "./usr/lib/drakkenfold/$(basename "$f")" "$work/contents" || fail "the package lacks $f"
done
for f in data/templates/*.mustache; do
  grep -qx "./usr/lib/drakkenfold/templates/$(basename "$f")" "$work/contents" || fail "the package lacks $f"
done
depends="$(dpkg-deb -f "$deb" Depends)"
for d in libqt6core6 libqt6widgets6 qt6-qpa-plugins fonts-liberation; do
  [[ "$depends" == *"$d"* ]] || fail "the package does not depend on $d ($depends)"
done
echo "$(basename "$deb"): $(wc -l <"$work/contents") entries; Depends: $depends"
