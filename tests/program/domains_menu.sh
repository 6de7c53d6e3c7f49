#!/bin/sh
# The program over a settings file naming two domains (written with Unix line ends, as an editor
# on this platform saves it): the domains menu comes first, and the domain chosen there stays
# open under the accounts menu.
#   domains_menu.sh PROGRAM INSTALL_DEMO INSTALL_FOLDER WORK_FOLDER
set -eu
program="$1"; install_demo="$2"; install="$3"; work="$4"
here="$(cd "$(dirname "$0")" && pwd)"
# A demo installation in the work folder, made by a run that only leaves the accounts menu.
sh "$here/run_script.sh" "$program" "$install_demo" "$install" "$here/accounts_menu_exit.script" "$work" >/dev/null
mkdir -p "$work/second"
cp "$work/demo_data/accounts.fdb" "$work/second/accounts.fdb"
printf '<inifile>\n    <domains>\n        <domain name="Demo Data" path="%s/demo_data/" />\n        <domain name="Second Firm" path="%s/second/" />\n    </domains>\n</inifile>\n' \
  "$work" "$work" >"$work/bin/data/velmor.ini"
export XDG_DATA_HOME="$work/xdg" QT_QPA_PLATFORM=offscreen FIREBIRD_LOCK="$work/lock"
cd "$work"
exec "$work/bin/velmor_accounts" --script "$here/domains_menu.script"
