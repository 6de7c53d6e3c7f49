# Kept backups in the real program: leaving it takes a backup into backups/ of the domain folder
# when there is none or the newest is older than a day, and not otherwise; "Back Up Now" adds one
# at any time; only the newest 10 stay, and other files of the folder are left alone.
first_run
backups="$work/xdg/velmor_accounts/backups"
count() { ls "$backups" | grep -c '^accounts\.[0-9]\{17\}\.fbk$'; }
[ "$(count)" -eq 1 ] || fail "leaving the program the first time kept $(count) backups, not 1"
run_program "$here/accounts_menu_exit.script"
[ "$(count)" -eq 1 ] || fail "leaving again within a day took another backup"
first="$(ls "$backups")"
mv "$backups/$first" "$backups/accounts.20200101120000000.fbk"
run_program "$here/accounts_menu_exit.script"
[ "$(count)" -eq 2 ] || fail "leaving a day after the newest backup took no backup"
ls "$backups"/*.writing >/dev/null 2>&1 && fail "a temporary backup file was left"
for day in 02 03 04 05 06 07 08 09 10 11; do
  cp "$backups/accounts.20200101120000000.fbk" "$backups/accounts.202001${day}120000000.fbk"
done
echo "keep me" >"$backups/notes.txt"
run_program "$here/back_up_now.script"
[ "$(count)" -eq 10 ] || fail "$(count) backups kept, not 10"
# 13 backups: 1 to 11 January 2020 and two of today; the three oldest go.
for day in 01 02 03; do
  [ ! -e "$backups/accounts.202001${day}120000000.fbk" ] || fail "the backup of $day January was kept"
done
[ -e "$backups/accounts.20200104120000000.fbk" ] || fail "a backup among the newest ten was removed"
[ -f "$backups/notes.txt" ] || fail "a file that is no backup was removed"
