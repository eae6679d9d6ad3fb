#!/bin/sh
# scripts/install-deps installs all that debian/control's Build-Depends ask
# for, build-essential (which dpkg-buildpackage demands) and npm (which
# Debian's Node.js lacks): dpkg's own check of the build dependencies is
# run against a package database that holds exactly the listed packages.
set -eu
cd "$(dirname "$0")/../.."
fail() { echo "FAIL: $*"; exit 1; }
admin=$(mktemp -d)
trap 'rm -rf "$admin"' EXIT

list=$(scripts/install-deps --list)
for wanted in build-essential npm; do
    printf '%s\n' "$list" | grep -qx "$wanted" || fail "install-deps does not list $wanted"
done

arch=$(dpkg --print-architecture)
for p in $list; do
    printf 'Package: %s\nStatus: install ok installed\nVersion: 9999\nArchitecture: %s\n' "$p" "$arch"
    provides=$(dpkg-query -W -f='${Provides}' "$p" 2>/dev/null || true)
    [ -z "$provides" ] || printf 'Provides: %s\n' "$provides"
    echo
done >"$admin/status"
dpkg-checkbuilddeps --admindir="$admin" || fail "install-deps misses a build dependency of the package"
echo "1 passed, 0 failed"
