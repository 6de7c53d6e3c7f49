# The intro with the program's own asset file: it runs when a script asks for it (intro.script
# takes its screenshots), and a key ends it at once. Without the asset file, or with a damaged
# one, the program starts all the same and the log says why the intro was skipped.
first_run
mkdir -p "$work/bin/data"
cp "$install/../data/assets_001.dat" "$work/bin/data/assets_001.dat"
export XDG_STATE_HOME="$work/state"
run_program "$here/intro.script"
cat >"$work/key.script" <<END
intro on
wait-intro 55
key Space
wait-intro closed
expect-page 1
key Esc
expect-closed
END
run_program "$work/key.script"
cat >"$work/start.script" <<END
intro on
idle
expect-page 1
key Esc
expect-closed
END
log="$work/state/velmor_accounts/velmor_accounts.log"
printf 'ymk' >"$work/bin/data/assets_001.dat"
run_program "$work/start.script"
grep -q "intro skipped: InvalidYMKFormat Header in Tdatamodule_ymks2bmp.load_from_file();" "$log" ||
  fail "the damaged asset file was not logged"
rm "$work/bin/data/assets_001.dat"
run_program "$work/start.script"
grep -q "intro skipped: Cannot open the file" "$log" || fail "the missing asset file was not logged"
