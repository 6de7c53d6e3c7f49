# Esc on the first-run page before a run ends the program and writes nothing.
printf 'idle\nexpect-page 9\nkey Esc\nexpect-closed\n' >"$work/esc.script"
run_program "$work/esc.script"
[ ! -e "$work/bin/data/velmor.ini" ] || fail "a settings file was written"
[ ! -e "$work/xdg/velmor_accounts" ] || fail "the database folder was made"
