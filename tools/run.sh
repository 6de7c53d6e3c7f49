#!/bin/sh
# Installs what is missing, builds the program and starts it. A first start shows the program's
# own first-run setup page. Without a display the real program runs under a virtual X display:
# on a first start it goes through the setup page with the proposed database folder (under
# build/run_data, not the home folder), and it saves screenshots of what the user would see.
set -eu
cd "$(dirname "$0")/.."
sh tools/setup.sh
cmake -S . -B build >/dev/null
# Build progress is shown only when something is compiled; on failure everything is shown.
log="$(mktemp)"
if ! cmake --build build -j2 --target velmor_accounts shipped_database >"$log" 2>&1; then
  cat "$log"; rm -f "$log"; exit 1
fi
if grep -q -E "Building|Linking|Making|Generating" "$log"; then grep -v "Built target" "$log"; fi
rm -f "$log"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/velmor_accounts "$@"
fi
# No display: the real program on a virtual one, driven by a script. Errors are printed, not
# fatal, so that the pictures are taken.
export XDG_DATA_HOME="$(pwd)/build/run_data"
mkdir -p "$XDG_DATA_HOME"
shots="$(pwd)/build/screenshots"
mkdir -p "$shots"
stamp="$(date +%Y%m%d-%H%M%S)"
script="$(mktemp)"
trap 'rm -f "$script"' EXIT
if [ ! -f build/bin/data/velmor.ini ]; then
  # A first start: the setup page, Go, its finished run, then OK into the accounts menu.
  printf 'ignore-errors\nidle\nexpect-page 9\nkey Enter\nidle\nscreenshot "%s"\nkey Enter\nidle\nwait 200\nidle\nscreenshot "%s"\n' \
    "$shots/setup-$stamp.png" "$shots/velmor_accounts-$stamp.png" >"$script"
else
  printf 'ignore-errors\nidle\nwait 200\nidle\nscreenshot "%s"\n' "$shots/velmor_accounts-$stamp.png" >"$script"
fi
rc=0
xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/velmor_accounts --script "$script" "$@" >/dev/null || rc=$?
if [ -f "$shots/setup-$stamp.png" ]; then
  echo "The first-run setup, after its run: $shots/setup-$stamp.png"
  echo "Its database: $XDG_DATA_HOME/velmor_accounts/; the settings file: build/bin/data/velmor.ini"
fi
if [ -f "$shots/velmor_accounts-$stamp.png" ]; then
  echo "Screenshot of the program as a user would see it: $shots/velmor_accounts-$stamp.png"
else
  echo "The program ended (exit code $rc) before a window could be shown; its message is above."
fi
exit $rc
