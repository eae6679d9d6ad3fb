#!/bin/sh
# A person on Windows: installs the .msi into a fresh Wine prefix that
# holds the names of an older version in C:\Zarvel.TXT (over an older
# installed version, which it must replace), starts Zarvel from
# the Start menu, does a reading by keyboard alone, types new names, closes
# it, starts it again to find them, and does a reading by mouse. The answer
# must be told to screen readers once a reading, as the probe hears it.
# Run by under_wine.sh, whose prefix is copied, never changed.
#   reading_test.sh MSI PROBE OLDER_MSI UPGRADE_CODE
set -eu
msi=$1
probe=$2
older=$3
upgrade_code=$4
work=$(mktemp -d)
export WINEPREFIX="$work/prefix"
wm=""
cleanup() {
    wineserver -k 2>/dev/null || true
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
passed=0
check() { # $1: what, $2: "ok" or what was found instead
    if [ "$2" = ok ]; then passed=$((passed + 1)); else echo "FAIL: $1: $2"; failures=$((failures + 1)); fi
}
expect() { # $1: what, $2: what is wanted, $3: what is found
    if [ "$3" = "$2" ]; then check "$1" ok; else check "$1" "«$3», not «$2»"; fi
}
expect_match() { # $1: what, $2: an extended regular expression, $3: what is found
    if printf '%s\n' "$3" | grep -qE -- "$2"; then check "$1" ok; else check "$1" "«$3» does not match $2"; fi
}
probe() { timeout 30 wine "$probe" "$@"; }
text_of() { probe texts | awk -F '\t' -v name="$1" '$1 == name { print $3 }'; }
shown() { probe texts | awk -F '\t' -v name="$1" '$1 == name { print $2 }'; }
# Waits up to $1 seconds for the command after it to succeed.
within() {
    limit=$1
    shift
    for _ in $(seq "$((limit * 5))"); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.2
    done
    return 1
}
is_up() { probe texts; }
is_gone() { ! probe texts; } # the names are saved before the window goes
answered() { text_of Label5 | grep -q -- '-'; }
labels_show() { [ "$(shown Label1)" = 1 ]; }
key() { xdotool key --delay 150 "$@"; }
click_at() { # $1: what the probe is asked for
    point=$(probe "$@") || return 1
    # shellcheck disable=SC2086
    xdotool mousemove $point click 1
}

cp -a "$UNDER_WINE_PREFIX" "$WINEPREFIX"
# Fresh for Zarvel, whatever ran in the prefix copied.
rm -rf "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Zarvel "$WINEPREFIX"/drive_c/users/*/AppData/Local/Programs/Zarvel
openbox >/dev/null 2>&1 &
wm=$!
# "Аня", "Борис", "Вера", "Глеб" in Windows-1251, as older versions wrote them.
printf '\300\355\377\r\n\301\356\360\350\361\r\n\302\345\360\340\r\n\303\353\345\341\r\n' >"$WINEPREFIX/drive_c/Zarvel.TXT"
old=$(sha256sum <"$WINEPREFIX/drive_c/Zarvel.TXT")

install() { # $1: the .msi
    timeout 120 wine msiexec /i "$(winepath -w "$1")" /qn || { echo "FAIL: $(basename "$1") failed ($?)"; exit 1; }
}
installed_codes() { probe products "$upgrade_code"; }
install "$older"
was=$(installed_codes)
install "$msi"
now=$(installed_codes)
expect "one Zarvel installed, older ones replaced" 1 "$(echo "$now" | wc -l)"
check "the new version replaced the older one" "$([ -n "$was" ] && [ "$now" != "$was" ] && echo ok || echo "was «$was», now «$now»")"
shortcut=$(find "$WINEPREFIX/drive_c/users" -path '*Start Menu/Programs/Zarvel.lnk' | head -n 1)
expect_match "a Start menu shortcut" 'Zarvel\.lnk$' "$shortcut"
installed=$(find "$WINEPREFIX/drive_c/users" -path '*AppData/Local/Programs/Zarvel/zarvel.exe' | head -n 1)
expect_match "the program in the user's programs" 'zarvel\.exe$' "$installed"
names="$(dirname "$shortcut" | sed 's|/Microsoft/Windows/Start Menu/Programs$||')/Zarvel/Zarvel.TXT"

start_zarvel() {
    wine start /unix "$shortcut"
    within 30 is_up || { echo "FAIL: Zarvel did not start from its shortcut within 30 s"; exit 1; }
    window=$(timeout 10 xdotool search --name '^Zarvel$' | head -n 1)
    timeout 10 xdotool windowactivate --sync "$window"
}
close_zarvel() {
    key alt+F4
    within 30 is_gone || check "Zarvel ends when closed" "still running after 30 s"
}
# The answer is told once, and it is what the window shows.
deal_and_hear() { # $@: how the deal is asked for
    probe told 6 >"$work/told" &
    listener=$!
    sleep 1 # the listener's hook is set
    "$@"
    within 10 answered || true
    wait "$listener"
    answer=$(text_of Label5)
    if probe uia; then
        echo "NOTE: the answer is told through UI Automation's notification here, which no WinEvent hook hears: not checked"
        return
    fi
    expect "the answer is told once, as shown" "$answer" "$(cat "$work/told")"
}

start_zarvel
expect "the old names are taken over" "АняГлеб" "$(text_of Text1)$(text_of Text4)"
# By keyboard alone: F10, the menu to the first figure of the first reading.
key F10 Down Right Right Return
within 5 labels_show || true
expect "the figure's names are shown" "Борис" "$(text_of Label2)"
deal_and_hear key Return
expect_match "the answer names one of the four or no one" \
    '^Любовные вопросы-(Аня|Борис|Вера|Глеб|Незнакомец\(ка\)|Не выпало)$' "$(text_of Label5)"
# New names: «Назначить имена» through Alt this time, then Tab through the
# boxes to «Ок».
key alt Right Return Tab Tab
for name in Ivan Petr Oleg Yuri; do
    xdotool type --delay 100 "$name"
    key Tab
done
key Return
expect "the confirmed names are shown" Yuri "$(text_of Label4)"
close_zarvel
expect "the new names are saved" 'Ivan\r\nPetr\r\nOleg\r\nYuri\r\n' "$(od -An -c "$names" | tr -d ' \n')"
expect "the old names file is left as it was" "$old" "$(sha256sum <"$WINEPREFIX/drive_c/Zarvel.TXT")"

start_zarvel
expect "the names come back at the next start" IvanYuri "$(text_of Text1)$(text_of Text4)"
# By mouse: the menu's first items down to the first figure, a question
# from the list, «Раскинуть».
for what in bar first first first; do
    click_at "$what"
    sleep 0.5
done
within 5 labels_show || true
point=$(probe at Combo1)
# shellcheck disable=SC2086
set -- $point
xdotool mousemove "$(($1 + 100))" "$2" click 1 # the list's arrow at its right end
sleep 0.5
click_at first
expect "the question is shown" "Кто меня любит?" "$(text_of Label5)"
deal_and_hear click_at at Command1
expect_match "the answer is to the question" '^Кто меня любит\?-' "$(text_of Label5)"
close_zarvel

# A save that fails is told, and the names file's place is left as it was.
rm -f "$names"
mkdir "$names"
start_zarvel
key alt+F4
within 30 probe dialog || true
expect_match "a failed save is told" "^Имена не сохранены в файл .*Zarvel\.TXT: " "$(probe dialog)"
key Return
within 30 is_gone || check "Zarvel ends once the failure is read" "still running after 30 s"
expect "the folder at the names file's place stays" yes "$([ -d "$names" ] && echo yes)"

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
