# A domain whose database cannot be opened at start-up (missing folder, not a database, a relative
# path, no domain at all): a message naming the domain and its folder, then the first-run page to
# choose again, never an empty window; its run mends the settings file, and the next start opens
# the accounts menu.
first_run
ini="$work/bin/data/velmor.ini"
mkdir -p "$work/garbage"
echo "not a database" >"$work/garbage/accounts.fdb"
for path in "$work/gone/" "$work/garbage/" "relative/"; do
  sed "s|path=\"[^\"]*\"|path=\"$path\"|" "$ini" >"$ini.new" && mv "$ini.new" "$ini"
  cat >"$work/failure.script" <<END
idle
expect-page 9
key Esc
expect-closed
END
  out=$("$work/bin/velmor_accounts" --script "$work/failure.script" 2>&1) || fail "the script failed: $out"
  echo "$out" | grep -q "The database of the domain \"Demo Data\" in \[$path\] cannot be opened" ||
    fail "no message naming the domain and $path: $out"
done
first_run
grep -q "path=\"$work/xdg/velmor_accounts/\"" "$ini" || fail "the settings file was not mended"
# A settings file without a domain: said so, and the run writes the domain "Demo Data".
sed '/<domain /d' "$ini" >"$ini.new" && mv "$ini.new" "$ini"
out=$("$work/bin/velmor_accounts" --script "$work/failure.script" 2>&1) || fail "the script failed: $out"
echo "$out" | grep -q "names no domain" || fail "no message about the missing domain: $out"
first_run
grep -q "name=\"Demo Data\" path=\"$work/xdg/velmor_accounts/\"" "$ini" || fail "no domain was written"
grep -c "<domain " "$ini" | grep -qx 1 || fail "the settings file should hold one domain"
run_program "$here/accounts_menu_exit.script"
