#!/bin/sh
# Runs a Windows program under Wine on an X server of its own, in a Wine
# prefix kept for each scale (PREFIX-DPI: made at the first run, 10 to 15
# seconds, then reused by every later run and test). A command that is no
# Windows program runs as it is, with the prefix in UNDER_WINE_PREFIX.
#   under_wine.sh PREFIX DPI PROGRAM.exe|COMMAND [ARGUMENT...]
set -eu
prefix=$1-$2
dpi=$2
shift 2
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Two tests may want the same new prefix at once: one makes it.
exec 9>"$prefix.lock"
flock -w 300 9 || { echo "no Wine prefix: $prefix.lock is held for 5 minutes"; exit 1; }
if [ ! -f "$prefix/.made" ]; then
    rm -rf "$prefix"
    timeout 300 wineboot -i >/dev/null 2>&1 || { echo "wineboot could not make $prefix"; exit 1; }
    timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    timeout 60 wineserver -w
    touch "$prefix/.made"
fi
exec 9>&-
export UNDER_WINE_PREFIX="$prefix"
case $1 in
*.exe) set -- wine "$@" ;;
esac
exec xvfb-run -a -s "-screen 0 1920x1200x24" "$@"
