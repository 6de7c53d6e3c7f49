#!/bin/sh
# The program's command line as a newcomer meets it: -h is the help, a start without a display
# (or with one that cannot be opened) says in one line what is missing, never with the toolkit's
# abort, and no start prints a warning about a missing runtime folder.
# A scenario of run_script.sh (which gives program, work, here and first_run); every check runs,
# the failures are counted.
set +e
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# -h and --help print the same usage and succeed, without a display.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" -h >"$work/h.out" 2>"$work/h.err"; rc=$?
[ "$rc" -eq 0 ] || fail "-h ended with $rc"
grep -q "^Usage: velmor_accounts" "$work/h.out" || fail "-h printed no usage"
"$program" --help >"$work/help.out" 2>&1
cmp -s "$work/h.out" "$work/help.out" || fail "-h and --help differ"
# The help names the installed document on scripts (program.package checks the package has it).
doc=/usr/share/doc/velmor-accounts/scripts.md
grep -q "$doc" "$work/h.out" || fail "-h does not name $doc"

# Without a display and without a script: one line on standard error and a clear exit code.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" >"$work/nodisplay.out" 2>"$work/nodisplay.err"; rc=$?
[ "$rc" -eq 4 ] || fail "no display ended with $rc, not 4"
[ "$(wc -l <"$work/nodisplay.err")" -eq 1 ] || fail "no display printed $(wc -l <"$work/nodisplay.err") lines"
grep -q "no display" "$work/nodisplay.err" && grep -q -- "--script" "$work/nodisplay.err" ||
  fail "no display message: $(cat "$work/nodisplay.err")"
grep -q "$doc" "$work/nodisplay.err" || fail "the no display message does not name $doc"
# A platform named in the environment that needs a display is no display either.
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>"$work/xcb.err"; rc=$?
[ "$rc" -eq 4 ] || fail "QT_QPA_PLATFORM=xcb without a display ended with $rc, not 4"

# A display that cannot be opened: one line naming the reason, the same exit code, no abort.
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:5987 "$program" >/dev/null 2>"$work/baddisplay.err"; rc=$?
[ "$rc" -eq 4 ] || fail "an unreachable display ended with $rc, not 4"
[ "$(wc -l <"$work/baddisplay.err")" -eq 1 ] || fail "an unreachable display printed: $(cat "$work/baddisplay.err")"
grep -q "cannot be shown" "$work/baddisplay.err" || fail "unreachable display message: $(cat "$work/baddisplay.err")"

# A scripted run without XDG_RUNTIME_DIR: nothing about it on standard error.
mkdir -p "$work/tmp"
first_run
env -u XDG_RUNTIME_DIR TMPDIR="$work/tmp" "$work/bin/velmor_accounts" --script "$here/accounts_menu_exit.script" \
  >"$work/run.out" 2>"$work/run.err"; rc=$?
[ "$rc" -eq 0 ] || fail "scripted run ended with $rc: $(cat "$work/run.err")"
if grep -q "XDG_RUNTIME_DIR" "$work/run.err"; then fail "standard error: $(cat "$work/run.err")"; fi

[ "$failures" -eq 0 ] && echo "command line: all checks passed"
exit "$failures"
