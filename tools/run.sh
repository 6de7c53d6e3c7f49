#!/bin/sh
# Installs what is missing, builds the program and starts it. Without a display it runs the real
# program under a virtual X display and saves a screenshot of what the user would see.
set -eu
cd "$(dirname "$0")/.."
sh tools/setup.sh
cmake -S . -B build >/dev/null
cmake --build build -j2 --target velmor_accounts install_demo shipped_database
# Until the first-run setup page exists, the build folder's program gets a demo installation
# (the shipped backup restored under build/demo_data and a settings file naming it).
# VELMOR_NO_DEMO=1 skips this, to see what the bare program says without a settings file.
if [ -z "${VELMOR_NO_DEMO:-}" ]; then
  build/tools/install_demo build/bin build/demo_data
fi
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/velmor_accounts "$@"
fi
# No display: the real program on a virtual one, driven by a script that waits for the first
# page to settle and takes a screenshot. Errors are printed, not fatal, so the picture is taken.
shots="$(pwd)/build/screenshots"
mkdir -p "$shots"
shot="$shots/velmor_accounts-$(date +%Y%m%d-%H%M%S).png"
script="$(mktemp)"
trap 'rm -f "$script"' EXIT
printf 'ignore-errors\nidle\nwait 200\nidle\nscreenshot "%s"\n' "$shot" >"$script"
rc=0
xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/velmor_accounts --script "$script" "$@" >/dev/null || rc=$?
if [ -f "$shot" ]; then
  echo "Screenshot of the program as a user would see it: $shot"
else
  echo "The program ended (exit code $rc) before a window could be shown; its message is above."
fi
exit $rc
