#include "framework/wine_host.h"

#include <windows.h>

#include <cstring>

namespace {

FARPROC NtdllFunction(const char* name) {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll == nullptr ? nullptr : GetProcAddress(ntdll, name);
}

}  // namespace

bool RunningUnderWine() {
    return NtdllFunction("wine_get_version") != nullptr;
}

bool RunningUnderWineOnLinux() {
    using HostVersion = void(CDECL*)(const char**, const char**);
    const auto hostVersion = reinterpret_cast<HostVersion>(
        reinterpret_cast<void*>(NtdllFunction("wine_get_host_version")));
    const char* system = nullptr;
    const char* release = nullptr;
    if (hostVersion != nullptr) {
        hostVersion(&system, &release);
    }
    return system != nullptr && std::strcmp(system, "Linux") == 0;
}
