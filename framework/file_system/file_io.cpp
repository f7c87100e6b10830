#include "framework/file_system/file_io.h"

#include <windows.h>

#include <algorithm>
#include <optional>

#include "framework/file_system/file_open.h"
#include "framework/file_system/system_path.h"

namespace {

// Pieces of a read or a write that every system takes.
constexpr std::size_t kPiece = 1 << 20;

FileRead ReadOpenFile(const CReadFile& file, std::int64_t limit, std::string& bytes) {
    const std::int64_t length = file.Length();
    if (length < 0) {
        return FileRead::ReadFailed;
    }
    if (length >= limit) {
        return FileRead::TooLarge;
    }
    bytes.resize(static_cast<std::size_t>(length));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::int64_t got =
            file.Read(bytes.data() + done, std::min(bytes.size() - done, kPiece));
        if (got < 0) {
            return FileRead::ReadFailed;
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return FileRead::Read;
}

}  // namespace

WholeFile ReadWholeFile(const CFileName& path, std::int64_t limit) {
    WholeFile whole;
    const CReadFile file(path);
    if (file.IsOpen()) {
        whole.status = ReadOpenFile(file, limit, whole.bytes);
    }
    if (whole.status != FileRead::Read) {
        whole.bytes.clear();
    }
    return whole;
}

std::wstring ReadIniValue(const CFileName& file, const std::wstring& section,
                          const std::wstring& key, std::size_t capacity) {
    const std::optional<std::wstring> system = SystemPath(file);
    if (!system) {
        return {};
    }
    std::wstring value(capacity, L'\0');
    value.resize(GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", value.data(),
                                          static_cast<DWORD>(capacity), system->c_str()));
    return value;
}

bool WriteAll(void* handle, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD piece = static_cast<DWORD>(std::min(bytes.size(), kPiece));
        DWORD written = 0;
        if (!WriteFile(handle, bytes.data(), piece, &written, nullptr) || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}
