#!/bin/sh
# Runs the real program with a script in a program folder of its own: the executable hard-linked
# (the program finds its settings through its own folder), the shipped install files, and a demo
# installation made from them. Exit code is the script driver's.
#   run_script.sh PROGRAM INSTALL_DEMO INSTALL_FOLDER SCRIPT WORK_FOLDER
set -eu
program="$1"; install_demo="$2"; install="$3"; script="$4"; work="$5"
rm -rf "$work"
mkdir -p "$work/bin/install"
ln "$program" "$work/bin/velmor_accounts" 2>/dev/null || cp "$program" "$work/bin/velmor_accounts"
cp "$install"/accounts.1.0.1.3.release.fbk "$install"/data_files.zip "$work/bin/install/"
"$install_demo" "$work/bin" "$work/demo_data" >/dev/null
export XDG_DATA_HOME="$work/xdg" QT_QPA_PLATFORM=offscreen FIREBIRD_LOCK="$work/lock"
cd "$work"
exec "$work/bin/velmor_accounts" --script "$script"
