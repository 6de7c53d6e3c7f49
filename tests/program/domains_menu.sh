#!/bin/sh
# The program over a settings file naming two domains (written with Unix line ends, as an editor
# on this platform saves it): the domains menu comes first, and the domain chosen there stays
# open under the accounts menu.
# A scenario of run_script.sh (which gives work, here, first_run and run_program).
first_run
first="$(sed -n 's/.*path="\([^"]*\)".*/\1/p' "$work/bin/data/velmor.ini" | head -1)"
[ -f "${first}accounts.fdb" ] || fail "no database in the first domain [$first]"
mkdir -p "$work/demo_data" "$work/second"
cp "${first}accounts.fdb" "$work/demo_data/accounts.fdb"
cp "${first}accounts.fdb" "$work/second/accounts.fdb"
printf '<inifile>\n    <domains>\n        <domain name="Demo Data" path="%s/demo_data/" />\n        <domain name="Second Firm" path="%s/second/" />\n    </domains>\n</inifile>\n' \
  "$work" "$work" >"$work/bin/data/velmor.ini"
run_program "$here/domains_menu.script"
