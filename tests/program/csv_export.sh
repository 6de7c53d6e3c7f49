# The customer search's "Export to CSV..." in the real window: the file holds the header and every
# contact, and no temporary file is left.
first_run
run_program "$here/csv_export.script"
file="$work/customers.csv"
[ -f "$file" ] || fail "no $file"
[ ! -e "$file.writing" ] || fail "the temporary file was left"
head -1 "$file" | grep -q "^Type,Id,Name,Last Name,Phone,Email" || fail "the header row is wrong: $(head -1 "$file")"
rows=$(grep -c "^Contact," "$file")
[ "$rows" -gt 100 ] || fail "only $rows contacts in $file"
