#!/bin/sh
# The version is written once, in CMakeLists.txt (it comes here as VERSION),
# and said again only where a record of releases must say it: the Debian
# changelog (with a Debian revision after it), NEWS and the AppStream
# <releases>; the manual pages' headers are given it by the build. All of
# them name VERSION as the newest release, the program says it, and NEWS
# and the AppStream release notes tell the same releases, dates and news.
#   release_test.sh SOURCE VERSION PROGRAM
set -eu
src=$1
version=$2
program=$3
fail() { echo "FAIL: $*"; exit 1; }

# The Debian version is the upstream version, a Debian revision after it
# (and maybe an epoch before it).
changelog=$(dpkg-parsechangelog -l "$src/debian/changelog" -S Version)
upstream=${changelog#*:}
upstream=${upstream%-*}
[ "$upstream" = "$version" ] || fail "debian/changelog's newest version $changelog is not one of upstream version $version"
said=$(env -i PATH=/usr/bin:/bin "$program" --version)
[ "$said" = "zarvel $version" ] || fail "--version says $said"

python3 - "$src/NEWS" "$src/app/desktop/io.github.zarvel.Zarvel.metainfo.xml" "$version" <<'EOF'
import re, sys
import xml.etree.ElementTree as ET

news, metainfo, version = sys.argv[1:]

# NEWS: for each release, newest first, a line "Zarvel VERSION (DATE)", then
# its items, each begun by "- " and carried on by indented lines.
told = []
for line in open(news, encoding="utf-8").read().splitlines():
    heading = re.fullmatch(r"Zarvel (\S+) \((\d{4}-\d\d-\d\d)\)", line)
    if heading:
        told.append((heading[1], heading[2], []))
    elif line.startswith("- ") and told:
        told[-1][2].append(line[2:].strip())
    elif line.startswith("  ") and told and told[-1][2]:
        told[-1][2][-1] += " " + line.strip()
    elif line.strip():
        sys.exit(f"FAIL: NEWS: a line that is neither a release, an item nor its continuation: {line}")

def text(element):
    return " ".join("".join(element.itertext()).split())

lang = "{http://www.w3.org/XML/1998/namespace}lang"
listed = [(release.get("version"), release.get("date"),
           [text(item) for item in release.iterfind("description/ul/li") if item.get(lang) is None])
          for release in ET.parse(metainfo).getroot().iterfind("releases/release")]

if not told or told[0][0] != version:
    sys.exit(f"FAIL: NEWS does not begin with release {version}")
if listed != told:
    sys.exit(f"FAIL: the AppStream releases\n{listed}\nare not those of NEWS\n{told}")
EOF
echo "1 passed, 0 failed"
