# A missing and a damaged shipped backup: the run stops with the page unlocked (Go can be
# pressed again), no database file and no settings file are left, and Esc still ends the program.
# Then a folder that already holds accounts.fdb: the restore is skipped and the settings written.
cat >"$work/failed.script" <<'END'
idle
expect-page 9
key Enter
idle
expect-page 9
expect-text main 109 "Extract Install:"
screenshot @WORK@/failed.png
key Esc
expect-closed
END
backup="$work/bin/install/accounts.1.0.1.3.release.fbk"
mv "$backup" "$work/backup.fbk"
run_program "$work/failed.script"
size=$(wc -c <"$work/backup.fbk")
head -c $((size / 2)) "$work/backup.fbk" >"$backup"
run_program "$work/failed.script"
# The same started from a terminal that never answers: the engine's question for the backup's
# next part must meet an end of input, not wait at the terminal for ever.
sed "s|@WORK@|$work|g" "$work/failed.script" >"$work/current.script"
cat >"$work/in_terminal.sh" <<END
"$work/bin/velmor_accounts" --script "$work/current.script"
END
mkfifo "$work/keys"
SHELL=/bin/sh timeout 120 script -qec "sh $work/in_terminal.sh" /dev/null <"$work/keys" >"$work/terminal.log" 2>&1 &
started=$!
exec 3>"$work/keys"
status=0
wait "$started" || status=$?
exec 3>&-
[ "$status" -ne 124 ] || fail "the restore waited at the terminal"
[ "$status" -eq 0 ] || { cat "$work/terminal.log" >&2; fail "the run in a terminal failed ($status)"; }
folder="$work/xdg/velmor_accounts"
[ ! -e "$folder/accounts.fdb" ] || fail "a database file was left"
for left in accounts.fdb.setup accounts.fdb.setup.restoring; do [ ! -e "$folder/$left" ] || fail "the temporary file $left was left"; done
[ ! -e "$work/bin/data/velmor.ini" ] || fail "a settings file was written"
# A whole database put there by hand is taken as it is.
mv "$work/backup.fbk" "$backup"
first_run
rm "$work/bin/data/velmor.ini"
rm -r "$folder/pics"
first_run
[ ! -e "$folder/pics" ] || fail "the data files were unpacked over an existing database"
grep -q "path=\"$folder/\"" "$work/bin/data/velmor.ini" || fail "the settings file does not name $folder/"
