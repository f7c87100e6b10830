#include "engine/path_message.h"

#include <windows.h>

#include "framework/wide_path.h"

namespace {

// An entry of the string table, read through the kernel's resource calls:
// LoadString lives in USER32, and loading that costs the console checker
// some 50 ms at every start, more than the check of many small files.
// Entries are kept in blocks of sixteen counted UTF-16 strings.
std::string LoadTableString(unsigned id) {
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC block = FindResourceA(module, MAKEINTRESOURCEA(id / 16 + 1), RT_STRING);
    const HGLOBAL data = block != nullptr ? LoadResource(module, block) : nullptr;
    const auto* entry = static_cast<const WCHAR*>(data != nullptr ? LockResource(data) : nullptr);
    if (entry == nullptr) {
        return {};
    }
    for (unsigned skipped = 0; skipped < id % 16; ++skipped) {
        entry += 1 + *entry;
    }
    return NarrowText(std::wstring_view(entry + 1, *entry));
}

}  // namespace

std::string FormatPathMessage(unsigned stringId, const std::string& path) {
    std::string message = LoadTableString(stringId);
    const std::size_t at = message.find("%1");
    if (at != std::string::npos) {
        message.replace(at, 2, path);
    }
    return message;
}
