#!/bin/sh
# The Debian package as a firm gets it: the package target makes the .deb; it is unpacked into a
# scratch root (dpkg -x); its files are where the desktop and the program look for them, the
# validators and lintian find no errors, its dependencies name the packages the program needs, and
# the program started as the desktop entry starts it shows the first-run page, installs the demo
# database into the user's data folder and keeps its settings in the user's configuration folder,
# writing nothing into the installation. HOME and the XDG folders point into the scratch folder.
#   package.sh BUILD_FOLDER WORK_FOLDER
set -eu
build="$1"; work="$2"
rm -rf "$work"
mkdir -p "$work"
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

cmake --build "$build" --target deb_package >"$work/package.log" 2>&1 || { cat "$work/package.log"; fail "the package target failed"; }
deb="$(ls "$build"/package/velmor-accounts_*.deb)"
root="$work/root"
dpkg -x "$deb" "$root"

app=com.velmor.accounts
for file in usr/bin/velmor_accounts \
    usr/share/velmor_accounts/install/accounts.1.0.1.3.release.fbk usr/share/velmor_accounts/install/data_files.zip \
    usr/share/applications/$app.desktop usr/share/metainfo/$app.metainfo.xml \
    usr/share/icons/hicolor/48x48/apps/$app.png usr/share/icons/hicolor/128x128/apps/$app.png \
    usr/share/icons/hicolor/256x256/apps/$app.png usr/share/icons/hicolor/scalable/apps/$app.svg \
    usr/share/doc/velmor-accounts/copyright usr/share/doc/velmor-accounts/scripts.md \
    usr/share/man/man1/velmor_accounts.1.gz; do
  [ -f "$root/$file" ] || fail "the package has no $file"
done
depends="$(dpkg-deb -f "$deb" Depends)"
for package in firebird3.0-server-core libfbclient2 libqt6widgets6 qt6-qpa-plugins libjpeg62-turbo libzip4 \
    fonts-wine fonts-liberation2 fonts-dejavu-core fonts-opensymbol fonts-open-sans; do
  echo ", $depends," | grep -q ", $package[ ,]" || fail "the package does not depend on $package: $depends"
done

desktop-file-validate "$root/usr/share/applications/$app.desktop" || fail "desktop-file-validate reported errors"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app.metainfo.xml" >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log"; fail "appstreamcli validate reported errors"; }
lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; fail "lintian reported errors"; }

# Started as the desktop entry starts it, found on the PATH.
command="$(sed -n 's/^Exec=//p' "$root/usr/share/applications/$app.desktop")"
[ "$command" = "velmor_accounts" ] || fail "the desktop entry starts \"$command\""
cat >"$work/first_start.script" <<SCRIPT
idle
expect-page 9
expect-text main 104 "$work/data/velmor_accounts/"
key Enter
idle
expect-text main 109 "Finished :"
key Enter
idle
expect-page 1
key Esc
expect-closed
SCRIPT
find "$root" | sort >"$work/before.txt"
run_installed() {
  env -u XDG_RUNTIME_DIR HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    XDG_STATE_HOME="$work/state" FIREBIRD_LOCK="$work/lock" QT_QPA_PLATFORM=offscreen \
    PATH="$root/usr/bin:$PATH" "$command" --script "$1"
}
run_installed "$work/first_start.script" || fail "the first start of the installed program failed"
[ -f "$work/data/velmor_accounts/accounts.fdb" ] || fail "no database in the user's data folder"
grep -q "path=\"$work/data/velmor_accounts/\"" "$work/config/velmor_accounts/velmor.ini" ||
  fail "the settings file is not in the user's configuration folder"
find "$root" | sort >"$work/after.txt"
diff "$work/before.txt" "$work/after.txt" || fail "the program wrote into its installation"

# The next start finds its settings and opens the accounts menu at once.
printf 'idle\nexpect-page 1\nkey Esc\nexpect-closed\n' >"$work/second_start.script"
run_installed "$work/second_start.script" || fail "the second start of the installed program failed"
echo "package: $deb passed"
