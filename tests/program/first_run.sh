# A fresh start (no settings file, empty XDG_DATA_HOME) shows the first-run page with the proposed
# folder; Go restores and unpacks, OK enters the accounts menu over the restored database, and the
# next start goes straight to the accounts menu.
run_program "$here/first_run.script"
folder="$work/xdg/velmor_accounts"
[ -f "$folder/accounts.fdb" ] || fail "no accounts.fdb in $folder"
for left in accounts.fdb.setup accounts.fdb.setup.restoring; do [ ! -e "$folder/$left" ] || fail "the temporary file $left was left"; done
[ -d "$folder/pics" ] || fail "the data files were not unpacked"
grep -q "path=\"$folder/\"" "$work/bin/data/velmor.ini" || fail "the settings file does not name $folder/"
run_program "$here/accounts_menu_exit.script"
