#include "framework/string_table.h"

#include <windows.h>

#include "framework/cp932_text.h"

// Read through the kernel's resource calls: LoadString lives in USER32, and
// loading that costs the console checker some 50 ms at every start, more
// than the check of many small files. Entries are kept in blocks of sixteen
// counted UTF-16 strings, which the program's own conversion narrows, so that
// the process's code page plays no part.
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
