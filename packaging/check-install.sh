#!/usr/bin/env bash
# Installs the build into a DESTDIR and checks what a desktop would see: the file layout,
# the desktop entry, the AppStream metainfo, the file type, the icons and the manual; then
# runs the installed program there.
#   packaging/check-install.sh BUILD_DIR DESTDIR APP_ID
set -euo pipefail
build=$1
dest=$2
app_id=$3
here=$(cd "$(dirname "$0")" && pwd)
fail() {
  echo "check-install: $*" >&2
  exit 1
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
rm -rf "$dest"
DESTDIR=$dest cmake --install "$build" --prefix /usr --strip >/dev/null
usr=$dest/usr
share=$usr/share

# ---- layout: exactly these files ---------------------------------------------------------
sizes=(16 22 24 32 48 64 128 256)
expected=(
  bin/voln-tvk
  share/voln-tvk/VOLNTVK.html
  share/voln-tvk/sample-house.TVK
  share/applications/voln-tvk.desktop
  share/mime/packages/voln-tvk.xml
  "share/metainfo/$app_id.metainfo.xml"
  share/man/man1/voln-tvk.1.gz
  share/doc/voln-tvk/copyright
  share/doc/voln-tvk/changelog.gz
)
for n in "${sizes[@]}"; do expected+=("share/icons/hicolor/${n}x${n}/apps/voln-tvk.png"); done
diff -u <(printf '%s\n' "${expected[@]}" | sort) <(cd "$usr" && find . -type f -printf '%P\n' | sort) ||
  fail "the installed files differ from the layout above (- expected, + installed)"
[ -x "$usr/bin/voln-tvk" ] || fail "bin/voln-tvk is not executable"

# ---- icons: PNG files of their nominal size ----------------------------------------------
for n in "${sizes[@]}"; do
  png=$share/icons/hicolor/${n}x${n}/apps/voln-tvk.png
  # PNG signature, then the IHDR chunk: width and height as 4-byte big-endian numbers.
  [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$png is no PNG file"
  read -r w h < <(od -An -j16 -N8 -tu1 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$w $h" = "$n $n" ] || fail "$png is ${w}x${h}, not ${n}x${n}"
done

# ---- desktop entry and metainfo ----------------------------------------------------------
desktop-file-validate "$share/applications/voln-tvk.desktop" || fail "desktop-file-validate refused the desktop entry"
appstream() {
  appstreamcli "$@" --no-net >"$scratch/appstream.log" 2>&1 ||
    { cat "$scratch/appstream.log"; fail "appstreamcli $1 refused the metainfo"; }
}
appstream validate "$share/metainfo/$app_id.metainfo.xml"
appstream validate-tree "$dest"  # the metainfo against the desktop entry it launches

# ---- manual: renders without warnings, one block for every batch command -----------------
man_page=$share/man/man1/voln-tvk.1.gz
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' man --warnings -E UTF-8 -l -Tutf8 -Z "$man_page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual renders with warnings: $warnings"
LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$man_page" 2>/dev/null | grep -q '^EXIT STATUS' || fail "man -l does not render the manual"
commands=$("$usr/bin/voln-tvk" --help | sed -n 's/^ *voln-tvk \([a-z][a-z-]*\) .*/\1/p')
[ -n "$commands" ] || fail "voln-tvk --help lists no commands"
for c in $commands; do
  grep -qx "\\.SS $c" "$here/voln-tvk.1.in" || fail "packaging/voln-tvk.1.in has no block (.SS $c) for the command '$c'"
done

# ---- file type: by name in either case, and by content without one ------------------------
mime=$scratch/share/mime
mkdir -p "$mime/packages"
cp "$share/mime/packages/voln-tvk.xml" "$mime/packages/"
update-mime-database "$mime" >/dev/null 2>&1 || fail "update-mime-database refused the file type"
grep -q '^[0-9]*:application/x-voln-tvk:\*\.tvk$' "$mime/globs2" || fail "no *.tvk glob in the compiled type"
grep -aq '^\[[0-9]*:application/x-voln-tvk\]$' "$mime/magic" || fail "no magic in the compiled type"
if command -v gio >/dev/null; then
  for f in upper.TVK lower.tvk no-extension; do cp "$share/voln-tvk/sample-house.TVK" "$scratch/$f"; done
  printf '\x09\x00Ver.1.0.0\x08\x00VOLN-TVX' >"$scratch/other-product"
  type_of() { XDG_DATA_HOME=$scratch XDG_DATA_DIRS=$scratch/share gio info -a standard::content-type "$1" | sed -n 's/.*standard::content-type: //p'; }
  for f in upper.TVK lower.tvk no-extension; do
    [ "$(type_of "$scratch/$f")" = application/x-voln-tvk ] || fail "$f is taken for $(type_of "$scratch/$f")"
  done
  [ "$(type_of "$scratch/other-product")" != application/x-voln-tvk ] || fail "another product code is taken for a project"
fi

# ---- the installed program: batch report, settings outside its folders -------------------
[ "$("$usr/bin/voln-tvk" --version)" = "Ver.$(sed -n '1s/^voln-tvk (\(.*\)).*/\1/p' "$here/changelog")" ] ||
  fail "--version disagrees with packaging/changelog"
env -u VOLNTVK_HOME -u XDG_CONFIG_HOME HOME="$scratch/home" \
  "$usr/bin/voln-tvk" report "$share/voln-tvk/sample-house.TVK" -o "$scratch/sample.pdf" 2>"$scratch/stderr" ||
  { cat "$scratch/stderr"; fail "the installed voln-tvk report failed"; }
[ "$(head -c 5 "$scratch/sample.pdf")" = "%PDF-" ] || fail "the installed voln-tvk report wrote no PDF"
[ -d "$scratch/home/.config/voln-tvk" ] || fail "the installed program did not take ~/.config/voln-tvk as its settings folder"
[ "$(ls "$usr/bin")" = voln-tvk ] || fail "the installed program wrote into its bin folder: $(ls "$usr/bin")"
echo "check-install: layout, desktop entry, metainfo, file type, icons, manual and the installed program are sound"
