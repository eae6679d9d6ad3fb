#!/bin/sh
# What stands at the names file's place is never harmed by a save: links
# lead only to a regular file or to nothing; a device, FIFO or folder at
# their end stays; owner, group, ACL and extended attributes survive, and
# access is never wider afterwards. Run as root (as CI is), it also saves
# as an unprivileged user.
set -eu
saver=$1
top=$(mktemp -d)
chmod 755 "$top"
trap 'rm -rf "$top"' EXIT
failures=0
passed=0
check() { # $1: what, $2: "ok" or anything else
    if [ "$2" = ok ]; then passed=$((passed + 1)); else echo "FAIL: $1 ($2)"; failures=$((failures + 1)); fi
}
saves() { "$saver" "$1" --once 2>/dev/null && echo ok || echo "not saved"; }
refuses() { if "$saver" "$1" --once 2>"$top/err"; then echo "saved"; else grep -q "не обычный файл" "$top/err" && echo ok || cat "$top/err"; fi; }

# Links, and what stands at their end.
mkdir "$top/links"
cd "$top/links"
mkfifo fifo
mkdir folder
ln -s fifo to-fifo
ln -s folder to-folder
check "a link to a FIFO" "$(refuses to-fifo)"
[ -p fifo ] || check "the FIFO stays" "replaced"
check "a link to a folder" "$(refuses to-folder)"
check "a FIFO at the path" "$(refuses fifo)"
if mknod null c 1 3 2>/dev/null; then
    ln -s null to-device
    check "a link to a device" "$(refuses to-device)"
    [ -c null ] && check "the device node stays" ok || check "the device node stays" "replaced"
fi
ln -s missing/../target dangling
mkdir missing
check "a dangling link creates its target" "$(saves dangling)"
[ -L dangling ] && [ -f target ] && check "the link stays a link" ok || check "the link stays a link" "not so"
printf 'old' >real
ln -s real to-real
check "a link to a regular file" "$(saves to-real)"
[ -L to-real ] && [ "$(head -c 6 real | od -An -tx1 | tr -d ' ')" = "c0edff0d0ac1" ] && check "the link's target is replaced" ok \
    || check "the link's target is replaced" "not so"

# A new file is the owner's alone, whatever the umask.
(umask 000 && "$saver" "$top/new.TXT" --once)
check "a new file is owner-only" "$([ "$(stat -c %a "$top/new.TXT")" = 600 ] && echo ok || stat -c %a "$top/new.TXT")"

if [ "$(id -u)" = 0 ] && command -v setfacl >/dev/null; then
    # Saved as root: the user's file stays theirs, with its ACL and attributes.
    f="$top/shared.TXT"
    printf 'old' >"$f"
    chown nobody:nogroup "$f"
    chmod 640 "$f"
    setfacl -m u:daemon:r "$f"
    setfattr -n user.zarvel -v kept "$f"
    acl=$(getfacl -cp "$f")
    check "saved as root" "$(saves "$f")"
    check "owner and group kept" "$([ "$(stat -c %U:%G "$f")" = nobody:nogroup ] && echo ok || stat -c %U:%G "$f")"
    check "ACL kept" "$([ "$(getfacl -cp "$f")" = "$acl" ] && echo ok || getfacl -cp "$f")"
    check "attribute kept" "$(getfattr --only-values -n user.zarvel "$f" 2>/dev/null | grep -qx kept && echo ok || echo lost)"

    # Saved by a user who is not in the file's group: the group keeps no rights.
    mkdir "$top/user"
    chown nobody:nogroup "$top/user"
    g="$top/user/Zarvel.TXT"
    printf 'old' >"$g"
    chown nobody:daemon "$g"
    chmod 640 "$g"
    as_user() { setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"; }
    check "saved as a user" "$(as_user "$saver" "$g" --once 2>/dev/null && echo ok || echo "not saved")"
    check "no group gains access" "$([ "$(stat -c %a:%U "$g")" = 600:nobody ] && echo ok || stat -c %a:%U:%G "$g")"
    chmod 555 "$top/user"
    as_user "$saver" "$g" --once 2>"$top/err" && check "a read-only folder" "saved" \
        || check "a read-only folder says why" "$(grep -q "нет прав на запись в папку" "$top/err" && echo ok || cat "$top/err")"
fi
echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
