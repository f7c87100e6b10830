#!/usr/bin/env bash
# Neither program may reach a file by a code page 932 path: every file, folder
# and setting goes by its real (UTF-16) name. Fails when a program imports a
# file function of the narrow kind, of the system or of the C runtime. Each
# also makes the system folder the only place libraries load from, and so
# must import the two calls its main begins with.
#   narrow_imports_test.sh OBJDUMP PROGRAM...
set -eu
objdump=$1
shift
narrow='^(CreateFileA|OpenFile|_lopen|_lcreat|FindFirstFileA|FindFirstFileExA|FindNextFileA|
GetFileAttributesA|GetFileAttributesExA|SetFileAttributesA|DeleteFileA|MoveFileA|MoveFileExA|
ReplaceFileA|CopyFileA|CopyFileExA|CreateDirectoryA|RemoveDirectoryA|GetFullPathNameA|
GetLongPathNameA|GetShortPathNameA|GetModuleFileNameA|GetPrivateProfileStringA|GetPrivateProfileIntA|
WritePrivateProfileStringA|SHGetFolderPathA|SHGetSpecialFolderPathA|DragQueryFileA|GetSaveFileNameA|
GetOpenFileNameA|GetTempPathA|GetCurrentDirectoryA|SetCurrentDirectoryA|LoadLibraryA|
fopen|freopen|_open|_sopen|_stat|_stat32|_stat64|_stati64|stat|_access|_findfirst|_findfirst64|
_chdir|_mkdir|_rmdir|remove|rename|_unlink)$'
narrow=$(printf '%s' "$narrow" | tr -d '\n')
status=0
for program in "$@"; do
    imports=$("$objdump" -p "$program" | awk '/^\t[0-9a-f]+\t +[0-9]+ +[A-Za-z_]/ {print $3}')
    [ -n "$imports" ] || { echo "$program: no imports read"; status=1; }
    found=$(printf '%s\n' "$imports" | grep -E "$narrow" || true)
    if [ -n "$found" ]; then
        echo "$(basename "$program") imports narrow file functions:" $found
        status=1
    fi
    for required in SetDefaultDllDirectories SetDllDirectoryW; do
        printf '%s\n' "$imports" | grep -qx "$required" ||
            { echo "$(basename "$program") does not import $required"; status=1; }
    done
done
[ $status = 0 ] && echo "no narrow file function imported by: $*"
exit $status
