# A domain whose database cannot be opened at start-up (missing folder, a relative path): a message
# naming the domain and its folder, then the first-run page to choose again, never an empty window;
# its run mends the settings file, and the next start opens the accounts menu.
first_run
ini="$work/bin/data/velmor.ini"
for path in "$work/gone/" "relative/"; do
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
grep -c "<domain " "$ini" | grep -qx 1 || fail "the settings file should hold one domain"
run_program "$here/accounts_menu_exit.script"
