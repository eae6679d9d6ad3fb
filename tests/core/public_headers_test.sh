#!/bin/sh
# Fails when a front end, the storage or a tool includes another library's
# header by anything but the library's name and a header that library's
# CMake lists as public: "core/controls.h", never "controls.h" from
# another folder nor "core/reveal_step_table.h", which is the core's own.
#   public_headers_test.sh TOP PUBLIC_HEADER...
# FOLDERS (the folders to check; a build names those it builds) may hold
# another list of folders.
set -eu
top=$1
shift
public=" $* "
failures=0
for folder in ${FOLDERS:-app qtwindow storage pictures replay tools/cardtool tools/screenshot bench web/wasm}; do
    for file in "$top/$folder"/*.h "$top/$folder"/*.cpp; do
        [ -f "$file" ] || continue
        for name in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file"); do
            [ -f "$top/$folder/$name" ] && case "$name" in */*) ;; *) continue ;; esac
            case "$public" in *" $top/$name "*) continue ;; esac
            echo "FAIL: $folder/$(basename "$file") includes \"$name\", which is no public header of a library"
            failures=$((failures + 1))
        done
    done
done
echo "$failures failed"
[ "$failures" -eq 0 ]
