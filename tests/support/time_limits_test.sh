#!/bin/sh
# Every test of a build folder has a time limit, so one that hangs fails,
# named, where CTest would otherwise wait 10 000 000 seconds for it.
#   time_limits_test.sh CTEST BUILD
set -eu
"$1" --test-dir "$2" --show-only=json-v1 | python3 -c '
import json, sys

tests = json.load(sys.stdin)["tests"]
unlimited = [t["name"] for t in tests if not any(p["name"] == "TIMEOUT" for p in t.get("properties", []))]
for name in unlimited:
    print(f"FAIL: {name} has no time limit")
print(f"{len(tests) - len(unlimited)} of {len(tests)} tests have a time limit")
sys.exit(1 if unlimited or not tests else 0)
'
