#!/bin/sh
# Makes 32-bit Windows programs runnable under Wine on this machine, and
# writes how they run to build/wine32.status: "native", "qemu" or
# "none: <reason>". The build trees read that file; they are configured again
# only when it changes.
#
# Where the kernel refuses 32-bit programs ("Exec format error" for Wine's
# 32-bit loader), 32-bit Wine runs through qemu-user 10 from Debian's
# bookworm-backports suite (qemu 7.2 from bookworm spends about 45 s of its
# own bookkeeping in every Wine process). The package is downloaded with apt
# options of our own, without touching the machine's package sources, and
# unpacked under build/qemu-user: its qemu-i386 is a static program. It is
# then registered for i386 programs with binfmt_misc (with the F flag, so
# that the kernel opens it once, at registration). That entry is the only
# change to the machine, and it lasts until the next boot, so this runs
# before every build and test.
#
# Usage: ensure-32bit.sh [--qemu | --remove]
#   --qemu    run 32-bit programs through qemu even where the kernel could
#             run them itself (to try that way on any machine)
#   --remove  take our binfmt_misc entry away again and say how 32-bit
#             programs run without it
# QUILLNOTE_32BIT=qemu in the environment is the same as --qemu.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
mkdir -p build

loader=/usr/lib/wine/wine
binfmt=/proc/sys/fs/binfmt_misc
entry=quillnote-i386
qemu_dir=build/qemu-user
qemu="$root/$qemu_dir/usr/bin/qemu-i386"
mirror=${QUILLNOTE_DEBIAN_MIRROR:-http://deb.debian.org/debian}
status_file=build/wine32.status

mode=${QUILLNOTE_32BIT:-auto}
case "${1:-}" in
    --qemu) mode=qemu ;;
    --remove) mode=remove ;;
    "") ;;
    *) echo "usage: $0 [--qemu | --remove]" >&2; exit 2 ;;
esac

# Written only when it changes, so that the trees are not configured again
# for nothing.
report() {
    if [ ! -f "$status_file" ] || [ "$(cat "$status_file")" != "$1" ]; then
        printf '%s\n' "$1" >"$status_file"
    fi
    case "$1" in
        none*) echo "32-bit Windows programs cannot run here (${1#none: }); their tests will be skipped." >&2 ;;
    esac
}

loader_starts() { "$loader" --version >/dev/null 2>&1; }
entry_registered() { [ -f "$binfmt/$entry" ] && head -n 1 "$binfmt/$entry" | grep -qx enabled; }
remove_entry() {
    if [ -f "$binfmt/$entry" ]; then echo -1 >"$binfmt/$entry"; fi
}

# How the 32-bit loader runs now: through our entry, or by the kernel itself.
current_way() {
    if ! loader_starts; then
        echo "none"
    elif entry_registered; then
        echo "qemu"
    else
        echo "native"
    fi
}

# Downloads and unpacks qemu-user from bookworm-backports, once.
fetch_qemu() {
    [ -x "$qemu" ] && return 0
    command -v apt-get >/dev/null 2>&1 || { echo "no apt-get to download qemu-user with" >&2; return 1; }
    apt_dir="$root/$qemu_dir/apt"
    rm -rf "$root/$qemu_dir"
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/download"
    keyring=/usr/share/keyrings/debian-archive-keyring.gpg
    signed=""
    [ -f "$keyring" ] && signed=" [signed-by=$keyring]"
    echo "deb$signed $mirror bookworm-backports main" >"$apt_dir/sources.list"
    set -- -o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=$apt_dir/none" \
        -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache" \
        -o "APT::Architecture=amd64" -o "APT::Architectures=amd64" -o "APT::Sandbox::User=root" \
        -o "Debug::NoLocking=1"
    echo "Downloading qemu-user from bookworm-backports to run 32-bit programs"
    apt-get "$@" -qq update >/dev/null || return 1
    (cd "$apt_dir/download" && apt-get "$@" -qq download qemu-user >/dev/null) || return 1
    package=$(ls "$apt_dir/download"/qemu-user_*.deb 2>/dev/null | head -n 1)
    [ -n "$package" ] || return 1
    # The package holds every target's emulator (360 MB); one is needed.
    dpkg-deb --fsys-tarfile "$package" | tar -x -C "$root/$qemu_dir" \
        ./usr/bin/qemu-i386 ./usr/share/qemu/binfmt.d/qemu-i386.conf || return 1
    rm -rf "$apt_dir"
    [ -x "$qemu" ]
}

qemu_major() {
    "$qemu" --version 2>/dev/null | sed -n 's/^qemu-i386 version \([0-9][0-9]*\)\..*/\1/p'
}

# Registers the unpacked qemu-i386 for i386 programs with the package's own
# magic and mask.
register_qemu() {
    if [ ! -f "$binfmt/register" ]; then
        mount -t binfmt_misc binfmt_misc "$binfmt" 2>/dev/null || return 1
    fi
    conf="$root/$qemu_dir/usr/share/qemu/binfmt.d/qemu-i386.conf"
    [ -f "$conf" ] || return 1
    IFS=: read -r _ _ type offset magic mask _ _ <"$conf"
    remove_entry
    printf ':%s:%s:%s:%s:%s:%s:F\n' "$entry" "$type" "$offset" "$magic" "$mask" "$qemu" >"$binfmt/register"
}

if [ "$mode" = remove ]; then
    remove_entry 2>/dev/null || true
    way=$(current_way)
    if [ "$way" = none ]; then report "none: the kernel refuses 32-bit programs"; else report "$way"; fi
    exit 0
fi

way=$(current_way)
# Our entry from an earlier run, but for a qemu that is gone (another
# checkout, a cleaned build folder): registered again below.
if [ "$way" = qemu ] && [ ! -x "$qemu" ]; then
    remove_entry 2>/dev/null || true
    way=$(current_way)
fi
if [ "$way" = native ] && [ "$mode" != qemu ]; then
    report native
    exit 0
fi
if [ "$way" = qemu ] && grep -qx "interpreter $qemu" "$binfmt/$entry" 2>/dev/null; then
    report qemu
    exit 0
fi

if [ "$(id -u)" != 0 ]; then
    report "none: the kernel refuses 32-bit programs, and registering qemu-user for them needs root"
    exit 0
fi
if ! fetch_qemu; then
    report "none: the kernel refuses 32-bit programs, and qemu-user could not be downloaded from bookworm-backports"
    exit 0
fi
major=$(qemu_major)
if [ -z "$major" ] || [ "$major" -lt 10 ]; then
    report "none: the kernel refuses 32-bit programs, and the qemu-user found is older than 10"
    exit 0
fi
if ! register_qemu; then
    report "none: the kernel refuses 32-bit programs, and binfmt_misc does not take qemu-user"
    exit 0
fi
if ! loader_starts; then
    remove_entry 2>/dev/null || true
    report "none: the kernel refuses 32-bit programs, and Wine's 32-bit loader does not start through qemu-user either"
    exit 0
fi
echo "32-bit programs run through qemu-user $major ($qemu_dir)"
report qemu
