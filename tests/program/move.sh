# The database move (page 8, entered by number as no menu of this build leads there): a copy into
# a new folder, then the same move again, which the restore refuses without touching the copy;
# the program keeps working on the old place and the settings file is not changed.
first_run
mkdir -p "$work/moved"
cp "$work/bin/data/velmor.ini" "$work/settings_before.ini"
run_program "$here/move.script"
[ -f "$work/moved/accounts.fdb" ] || fail "no copy in $work/moved"
[ "$(ls "$work/moved/backups" | wc -l)" -eq 2 ] || fail "two moves should leave two backups"
cmp -s "$work/bin/data/velmor.ini" "$work/settings_before.ini" || fail "the settings file changed"
