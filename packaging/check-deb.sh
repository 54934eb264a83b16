#!/usr/bin/env bash
# Checks a built Debian package on this machine: lintian finds no errors; installed with
# dpkg, the desktop, file type and icon caches know the program, the installed voln-tvk
# writes the sample's report and the desktop program starts under Xvfb; removed and purged,
# the package leaves nothing behind. Needs root or sudo; refuses when voln-tvk is installed.
#   packaging/check-deb.sh out/voln-tvk_VERSION_ARCH.deb
# The screen of the started program is left beside the package as installed-start.png.
set -euo pipefail
deb=$1
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
fail() {
  echo "check-deb: $*" >&2
  exit 1
}
state() { dpkg-query -W -f='${db:Status-Status}' voln-tvk 2>/dev/null || true; }

# ---- lintian ---------------------------------------------------------------------------------
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian reports errors"

# ---- install -------------------------------------------------------------------------------
case "$(state)" in "" | not-installed) ;; *) fail "a voln-tvk package is on this machine already; remove it first" ;; esac
# Folders the package brings that were not here before must go again with it.
mapfile -t paths < <(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's#^\./#/#; s#/$##' | grep -v '^/\?$')
new_paths=()
for p in "${paths[@]}"; do [ -e "$p" ] || new_paths+=("$p"); done

scratch=$(mktemp -d)
purge() { "${sudo_cmd[@]}" dpkg --purge voln-tvk >/dev/null 2>&1 || true; }
trap 'purge; rm -rf "$scratch"' EXIT
"${sudo_cmd[@]}" dpkg -i "$deb" >"$scratch/dpkg.log" 2>&1 || { cat "$scratch/dpkg.log"; fail "dpkg -i failed"; }
[ "$(state)" = installed ] || fail "dpkg -i left the package $(state)"
grep '^Processing triggers' "$scratch/dpkg.log" || true

# ---- the caches, refreshed by the triggers of the packages that own them -------------------
if command -v update-desktop-database >/dev/null; then
  grep -q '^application/x-voln-tvk=.*voln-tvk\.desktop' /usr/share/applications/mimeinfo.cache ||
    fail "the desktop cache does not offer voln-tvk for project files"
fi
if command -v update-mime-database >/dev/null; then
  [ -f /usr/share/mime/application/x-voln-tvk.xml ] || fail "the file type database does not know application/x-voln-tvk"
fi
if command -v gtk-update-icon-cache >/dev/null && [ -f /usr/share/icons/hicolor/index.theme ]; then
  grep -aq voln-tvk /usr/share/icons/hicolor/icon-theme.cache || fail "the hicolor icon cache does not hold voln-tvk"
fi

# ---- the installed program, with settings in a home of its own -----------------------------
run() { env -u VOLNTVK_HOME -u XDG_CONFIG_HOME -u QT_QPA_PLATFORM HOME="$scratch/home" "$@"; }
[ "$(command -v voln-tvk)" = /usr/bin/voln-tvk ] || fail "voln-tvk is not /usr/bin/voln-tvk on the path"
run env -u DISPLAY -u WAYLAND_DISPLAY voln-tvk report /usr/share/voln-tvk/sample-house.TVK -o "$scratch/sample.pdf" \
  2>"$scratch/report.err" || { cat "$scratch/report.err"; fail "the installed voln-tvk report failed"; }
pages=$(pdfinfo "$scratch/sample.pdf" | sed -n 's/^Pages: *//p')
[ "${pages:-0}" -gt 1 ] || fail "the installed voln-tvk report wrote no report"
run VOLNTVK_SCREENSHOT="$scratch/start.png" xvfb-run -a -s "-screen 0 1600x1000x24" \
  voln-tvk /usr/share/voln-tvk/sample-house.TVK >"$scratch/start.log" 2>&1 ||
  { cat "$scratch/start.log"; fail "the installed desktop program did not start"; }
[ -s "$scratch/start.png" ] || fail "the installed desktop program took no screenshot"
[ -d "$scratch/home/.config/voln-tvk" ] || fail "the installed program did not take ~/.config/voln-tvk"
for f in VOLNTVK.INI VolnTVK.Def _Kanamono.Def; do [ ! -e "/usr/bin/$f" ] || fail "the installed program wrote /usr/bin/$f"; done
shot=$(dirname "$deb")/installed-start.png
cp "$scratch/start.png" "$shot"
echo "check-deb: installed; report of $pages pages, desktop program started (screen: $shot)"

# ---- remove, purge: nothing left -----------------------------------------------------------
"${sudo_cmd[@]}" dpkg -r voln-tvk >>"$scratch/dpkg.log" 2>&1 || { cat "$scratch/dpkg.log"; fail "dpkg -r failed"; }
"${sudo_cmd[@]}" dpkg --purge voln-tvk >>"$scratch/dpkg.log" 2>&1 || { cat "$scratch/dpkg.log"; fail "dpkg --purge failed"; }
case "$(state)" in "" | not-installed) ;; *) fail "after purge the package is $(state)" ;; esac
for p in "${new_paths[@]}"; do [ ! -e "$p" ] || fail "$p is left behind"; done
for cache in /usr/share/applications/mimeinfo.cache /usr/share/mime/globs2 /usr/share/icons/hicolor/icon-theme.cache; do
  if [ -f "$cache" ] && grep -aq voln-tvk "$cache"; then fail "$cache still names voln-tvk"; fi
done
[ ! -e /usr/share/mime/application/x-voln-tvk.xml ] || fail "the file type database still knows application/x-voln-tvk"
echo "check-deb: lintian, install, report, desktop start, remove and purge are sound"
