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
#   as_user                   the later runs see a home folder like a user's (for screenshots that
#                             show the folder a user is offered): HOME is /home/pat, the folder
#                             WORK_FOLDER/home/pat mounted there in a mount namespace of the run's
#                             own, or WORK_FOLDER/home/pat itself where the system allows no such
#                             namespace; XDG_DATA_HOME is unset. @HOME@ in a script names HOME as
#                             the program sees it, USER_FILES the same folder as this script sees it
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

launch=""
run_program() {
  sed -e "s|@WORK@|$work|g" -e "s|@HOME@|$HOME|g" "$1" >"$work/current.script"
  $launch "$work/bin/velmor_accounts" --script "$work/current.script" || fail "the script $1 failed"
}

# Runs a command with WORK_FOLDER/home/pat mounted at /home/pat; nothing outside the command sees it.
in_home() {
  unshare --user --map-root-user --mount sh -c \
    'mount -t tmpfs none /home && mkdir /home/pat && mount --bind "$0" /home/pat && exec "$@"' "$work/home/pat" "$@"
}

as_user() {
  USER_FILES="$work/home/pat"
  mkdir -p "$USER_FILES"
  unset XDG_DATA_HOME
  if in_home true 2>/dev/null; then
    launch=in_home
    HOME=/home/pat
  else
    HOME="$USER_FILES"
  fi
  export HOME
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
