#!/bin/sh
# Fails when a core file includes anything but another core file or a
# header of the C++ standard library: the core must build without any
# toolkit, front end or storage.
set -eu
core=$1
standard=" algorithm array cassert cmath cstddef cstdint cstdio cstdlib cstring ctime chrono deque functional limits map \
memory optional random set stdexcept string string_view utility vector "
failures=0
for file in "$core"/*.h "$core"/*.cpp; do
    # shellcheck disable=SC2013
    for included in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*\([<"][^>"]*[>"]\).*/\1/p' "$file"); do
        name=$(echo "$included" | tr -d '<>"')
        case "$included" in
        \"*) [ -f "$core/$name" ] && continue ;;
        \<*) case "$standard" in *" $name "*) continue ;; esac ;;
        esac
        echo "FAIL: $(basename "$file") includes $included, which is neither a core file nor a standard header"
        failures=$((failures + 1))
    done
done
echo "$failures failed"
[ "$failures" -eq 0 ]
