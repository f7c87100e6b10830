#include "framework/application_name.h"

#include <windows.h>

#include "framework/path_parts.h"

std::string ApplicationName() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return SplitPath(std::string_view(path, length < sizeof path ? length : 0)).base;
}
