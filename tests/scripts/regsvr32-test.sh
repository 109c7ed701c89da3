#!/bin/sh
# regsvr32 from the command line: machine registration and removal, and
# per-user registration through DllInstall (/n /i:user) and its removal.
# Usage: regsvr32-test.sh WINE_RUN DLL
set -u
run=$1
dll=$(printf 'Z:%s' "$2" | tr '/' '\\')
passed=0
failed=0

"$run" cmd /c exit >/dev/null 2>&1
if [ $? = 77 ]; then "$run"; exit 77; fi

check() { # name, command...
    name=$1
    shift
    if "$@" >/dev/null 2>&1; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL $name"; fi
}
fails() { ! "$@"; }
query() { "$run" reg query "$1" >/dev/null 2>&1; }

clsid='Software\Classes\CLSID\{6E70B50F-2404-43CD-B0B6-D1A07624FF43}'
progid='Software\Classes\QuillnoteLib.Quillnote'
typelib='Software\Classes\TypeLib\{DEC25A9B-7F60-4ABE-956C-9C458BB93653}'
iface='Software\Classes\Interface\{8E7635B5-615B-47AA-940E-E9914B4C05B6}'

none_under() { # root: no key of ours is left there
    for key in "$clsid" "$progid" "$typelib" "$iface"; do
        if query "$1\\$key"; then return 1; fi
    done
    return 0
}

"$run" regsvr32 /s /u "$dll" >/dev/null 2>&1
"$run" regsvr32 /s /u /n /i:user "$dll" >/dev/null 2>&1

check "machine registration" "$run" regsvr32 /s "$dll"
check "machine CLSID key" query "HKLM\\$clsid\\InprocServer32"
check "machine ProgID key" query "HKLM\\$progid\\CLSID"
check "machine type library key" query "HKLM\\$typelib\\1.0"
check "no user keys after machine registration" none_under HKCU
check "machine unregistration" "$run" regsvr32 /s /u "$dll"
check "no machine keys left" none_under HKLM

check "user registration" "$run" regsvr32 /s /n /i:user "$dll"
check "user CLSID key" query "HKCU\\$clsid\\InprocServer32"
check "user ProgID key" query "HKCU\\$progid\\CLSID"
check "user interface key" query "HKCU\\$iface"
check "no machine keys after user registration" none_under HKLM
check "user unregistration" "$run" regsvr32 /s /u /n /i:user "$dll"
check "no user keys left" none_under HKCU

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
