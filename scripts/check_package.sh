#!/usr/bin/env bash
# Builds the Debian package and checks it as a user's machine would meet it: lintian and
# AppStream find no error, and in a clean Debian 12 root (debootstrap, minbase) it installs with
# apt, runs (`strumix --version` names the licence; a text tab's sound is exported through
# the sound module) and is removed without a trace. Needs root
# and the network to Debian's mirror. The clean root is kept between runs in $STRUMIX_ROOT.
set -euo pipefail
cd "$(dirname "$0")/.."
root_dir=${STRUMIX_ROOT:-/var/tmp/strumix-clean-root}
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

for p in debootstrap lintian appstream; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
        DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "$p"
done

deb=$(scripts/package.sh | tail -1)
echo "== lintian $deb"
# Errors fail the check; warnings and notes are listed for the release note.
lintian --info --display-level ">=pedantic" "$deb" > build/package/lintian.txt || true
grep -E '^[EWIPX]: ' build/package/lintian.txt | sort -u
if grep -q '^E: ' build/package/lintian.txt; then
    echo "lintian found errors" >&2
    exit 1
fi

echo "== appstreamcli validate"
metainfo=build/package/app/org.strumix.Strumix.metainfo.xml
appstreamcli validate --no-net --explain "$metainfo"

echo "== a clean root at $root_dir"
if [ ! -x "$root_dir/usr/bin/apt-get" ]; then
    "${sudo_cmd[@]}" rm -rf "$root_dir"
    "${sudo_cmd[@]}" debootstrap --variant=minbase bookworm "$root_dir" http://deb.debian.org/debian
fi
in_root() { "${sudo_cmd[@]}" chroot "$root_dir" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin "$@"; }
"${sudo_cmd[@]}" mount -t proc proc "$root_dir/proc"
trap '"${sudo_cmd[@]}" umount "$root_dir/proc"' EXIT
"${sudo_cmd[@]}" cp "$deb" "$root_dir/tmp/"
name=$(basename "$deb")
in_root dpkg-query -l > build/package/before.txt 2>/dev/null || true
in_root find / -xdev \( -path /proc -o -path /tmp -o -path /var/cache -o -path /var/lib \
    -o -path /var/log \) -prune -o -print | sort > build/package/files-before.txt

echo "== apt install ./$name"
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "/tmp/$name"
echo "== strumix --version"
in_root strumix --version | tee build/package/version.txt
grep -q "GPL-3.0-or-later" build/package/version.txt
in_root test -f /usr/share/doc/strumix/copyright
echo "== strumix --export riff.wav (the sound module where the package put it)"
"${sudo_cmd[@]}" cp tests/data/text_tabs/tab00.txt "$root_dir/tmp/riff.txt"
in_root env HOME=/tmp strumix --export /tmp/riff.wav /tmp/riff.txt
in_root test -s /tmp/riff.wav
in_root man -w strumix >/dev/null 2>&1 || in_root test -f /usr/share/man/man1/strumix.1.gz

echo "== apt remove strumix"
in_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq --purge --autoremove strumix
in_root find / -xdev \( -path /proc -o -path /tmp -o -path /var/cache -o -path /var/lib \
    -o -path /var/log \) -prune -o -print | sort > build/package/files-after.txt
left=$(comm -13 build/package/files-before.txt build/package/files-after.txt | grep -i strumix || true)
if [ -n "$left" ]; then
    echo "left behind after removal:" >&2
    echo "$left" >&2
    exit 1
fi
"${sudo_cmd[@]}" rm -f "$root_dir/tmp/$name"
echo "package check: passed"
