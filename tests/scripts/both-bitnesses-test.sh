#!/bin/sh
# Both bitnesses registered for the machine side by side: removing one of
# them leaves the other creatable by its ProgID, in either order, and removing
# both leaves no key of ours.
# Usage: both-bitnesses-test.sh WINE_RUN_64 DLL_64 WINE_RUN_32 DLL_32 SCRIPT_DIR
set -u
run64=$1
dll64=$(printf 'Z:%s' "$2" | tr '/' '\\')
run32=$3
dll32=$(printf 'Z:%s' "$4" | tr '/' '\\')
script=$(printf 'Z:%s/create-object.js' "$5" | tr '/' '\\')
passed=0
failed=0

for run in "$run64" "$run32"; do
    "$run" cmd /c exit >/dev/null 2>&1
    if [ $? = 77 ]; then "$run"; exit 77; fi
done

check() { # name, command...
    name=$1
    shift
    if "$@" >/dev/null 2>&1; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL $name"; fi
}
creates() { # run: the script host of that bitness creates the object
    "$1" cscript //nologo "$script" 2>/dev/null | tr -d '\r' | grep -qx 'created 2'
}
no_keys() {
    for key in 'CLSID\{6E70B50F-2404-43CD-B0B6-D1A07624FF43}' 'QuillnoteLib.Quillnote' \
        'TypeLib\{DEC25A9B-7F60-4ABE-956C-9C458BB93653}' 'Wow6432Node\CLSID\{6E70B50F-2404-43CD-B0B6-D1A07624FF43}'; do
        if "$run64" reg query "HKLM\\Software\\Classes\\$key" >/dev/null 2>&1; then return 1; fi
    done
    return 0
}
fails() { ! "$@"; }
register() { "$1" regsvr32 /s "$2"; }
unregister() { "$1" regsvr32 /s /u "$2"; }

unregister "$run64" "$dll64" >/dev/null 2>&1
unregister "$run32" "$dll32" >/dev/null 2>&1

# 64-bit removed first.
check "register 32-bit" register "$run32" "$dll32"
check "register 64-bit" register "$run64" "$dll64"
check "64-bit script host creates" creates "$run64"
check "unregister 64-bit" unregister "$run64" "$dll64"
check "32-bit script host still creates" creates "$run32"
check "64-bit script host no longer creates" fails creates "$run64"
check "unregister 32-bit" unregister "$run32" "$dll32"
check "no keys left (64-bit removed first)" no_keys

# 32-bit removed first.
check "register 64-bit again" register "$run64" "$dll64"
check "register 32-bit again" register "$run32" "$dll32"
check "unregister 32-bit" unregister "$run32" "$dll32"
check "64-bit script host still creates" creates "$run64"
check "unregister 64-bit" unregister "$run64" "$dll64"
check "no keys left (32-bit removed first)" no_keys

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
