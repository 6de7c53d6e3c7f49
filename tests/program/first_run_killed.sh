# A setup killed at several points of its restore and unpacking never leaves a database file that
# is not whole, nor one without its data files: the next start shows the first-run page again
# and its run finishes.
printf 'idle\nkey Enter\nidle\nwait 5000\n' >"$work/go.script"
folder="$work/xdg/velmor_accounts"
for delay in 0 0.05 0.15 0.3 0.45 0.6; do
  "$work/bin/velmor_accounts" --script "$work/go.script" >/dev/null 2>&1 &
  pid=$!
  # Wait until the engine writes the database, then let it go on for a while.
  tries=0
  while [ ! -e "$folder/accounts.fdb.setup.restoring" ] && [ $tries -lt 500 ]; do
    sleep 0.01
    tries=$((tries + 1))
  done
  [ -e "$folder/accounts.fdb.setup.restoring" ] || fail "the restore never started"
  sleep "$delay"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  if [ -e "$folder/accounts.fdb" ]; then
    for f in wordhdr.idx wordlns.idx plu.idx pics/0005.jpg; do
      [ -e "$folder/$f" ] || fail "the database was named before its data file $f was unpacked"
    done
  fi
  if [ -e "$work/bin/data/velmor.ini" ] || [ -e "$folder/accounts.fdb" ]; then
    # The setup got to its end before the kill (the database file is only named once its
    # restore has finished and its data files are unpacked): start again from nothing.
    rm -rf "$work/bin/data" "$folder"
  fi
done
first_run
for left in accounts.fdb.setup accounts.fdb.setup.restoring; do [ ! -e "$folder/$left" ] || fail "the temporary file $left was left"; done
run_program "$here/accounts_menu_exit.script"
