# A fresh start (no settings file, an empty home folder like a user's) shows the first-run page with
# the proposed folder in it; Go restores and unpacks, OK enters the accounts menu over the restored
# database, and the next start goes straight to the accounts menu. Its screenshots are the docs'.
as_user
run_program "$here/first_run.script"
folder="$HOME/.local/share/velmor_accounts"
files="$USER_FILES/.local/share/velmor_accounts"
[ -f "$files/accounts.fdb" ] || fail "no accounts.fdb in $folder"
for left in accounts.fdb.setup accounts.fdb.setup.restoring; do [ ! -e "$files/$left" ] || fail "the temporary file $left was left"; done
[ -d "$files/pics" ] || fail "the data files were not unpacked"
grep -q "path=\"$folder/\"" "$work/bin/data/velmor.ini" || fail "the settings file does not name $folder/"
run_program "$here/accounts_menu_exit.script"
