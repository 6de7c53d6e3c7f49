#!/bin/sh
# Installs every Debian package the program, its build and its tests need.
# Idempotent: quiet when all are present; runs apt-get update only when something is missing.
set -eu

PACKAGES="build-essential cmake pkg-config git
 libgtest-dev libgmock-dev libbenchmark-dev
 qt6-base-dev libgl-dev
 firebird3.0-server-core libfbclient2 firebird-dev firebird3.0-utils
 firebird3.0-server
 libjpeg-dev libzip-dev
 xvfb xauth poppler-utils
 clang libclang-rt-14-dev
 fonts-wine fonts-liberation2 fonts-dejavu-core fonts-opensymbol fonts-open-sans
 qt6-svg-dev lintian desktop-file-utils appstream"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
else
    echo "setup: these packages are missing and I am not root and have no sudo:$missing" >&2
    echo "setup: install them as root, then run this command again." >&2
    exit 1
fi

echo "setup: installing:$missing"
export DEBIAN_FRONTEND=noninteractive
if ! $SUDO apt-get update -qq >/dev/null; then
    echo "setup: apt-get update failed; check the network or the package sources." >&2
    exit 1
fi
# shellcheck disable=SC2086
if ! $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing >/tmp/velmor-setup.log 2>&1; then
    tail -20 /tmp/velmor-setup.log >&2
    echo "setup: apt-get install failed for:$missing (full log: /tmp/velmor-setup.log)" >&2
    exit 1
fi
echo "setup: done"
