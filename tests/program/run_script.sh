#!/bin/sh
# Runs the real program in a program folder of its own (the executable hard-linked, as the
# program finds its settings through its own folder, and the shipped install files), with
# XDG_DATA_HOME, the engine's lock folder and the working folder under WORK_FOLDER, so nothing
# touches the real home folder.
#   run_script.sh PROGRAM INSTALL_FOLDER TEST WORK_FOLDER
# TEST is a NAME.script, run over an installation the program's own first-run page made, or a
# NAME.sh scenario, which calls these functions itself:
#   run_program FILE.script   runs the program with the script (@WORK@ in it names WORK_FOLDER);
#                             fails the test when the script fails
#   first_run                 makes the installation through the first-run page
#   fail MESSAGE              fails the test
set -eu
program="$1"; install="$2"; test="$3"; work="$4"
here="$(cd "$(dirname "$0")" && pwd)"
rm -rf "$work"
mkdir -p "$work/bin/install" "$work/xdg"
ln "$program" "$work/bin/velmor_accounts" 2>/dev/null || cp "$program" "$work/bin/velmor_accounts"
cp "$install"/accounts.1.0.1.3.release.fbk "$install"/data_files.zip "$work/bin/install/"
export XDG_DATA_HOME="$work/xdg" QT_QPA_PLATFORM=offscreen FIREBIRD_LOCK="$work/lock"
cd "$work"

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

run_program() {
  sed "s|@WORK@|$work|g" "$1" >"$work/current.script"
  "$work/bin/velmor_accounts" --script "$work/current.script" || fail "the script $1 failed"
}

first_run() {
  run_program "$here/first_run_setup.script" >/dev/null
}

case "$test" in
  *.sh) . "$test" ;;
  *)
    first_run
    sed "s|@WORK@|$work|g" "$test" >"$work/current.script"
    exec "$work/bin/velmor_accounts" --script "$work/current.script"
    ;;
esac
