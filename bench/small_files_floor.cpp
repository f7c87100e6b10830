// The least a checker of a folder's files must ask of the system: list the
// folder, and open, read to the end and close each file in it, printing one
// line per file. bench/compare.sh times varnelc against it, both under Wine,
// so that what the platform costs per file is told apart from what ours does.
// Usage: small_files_floor FOLDER
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr DWORD kBufferSize = 1 << 20;

// The bytes in the file, or -1 when it cannot be opened or read; opened as a
// checker must open it, sharing read and write with other programs.
long long ReadToEnd(const std::wstring& path, unsigned char* buffer) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return -1;
    }
    long long total = 0;
    DWORD got = 0;
    while (ReadFile(file, buffer, kBufferSize, &got, nullptr) && got != 0) {
        total += got;
    }
    CloseHandle(file);
    return total;
}

std::string Narrow(const wchar_t* text) {
    const int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length > 0 ? length - 1 : 0), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: small_files_floor FOLDER\n", stderr);
        return 2;
    }
    const std::wstring folder = std::wstring(argv[1]) + L"\\";
    // Kept from file to file: under Wine the first read into fresh memory
    // maps every page of it.
    const auto buffer = std::make_unique<unsigned char[]>(kBufferSize);
    std::string report;
    WIN32_FIND_DATAW entry;
    const HANDLE find = FindFirstFileW((folder + L"*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) {
        return 1;
    }
    do {
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            const long long size = ReadToEnd(folder + entry.cFileName, buffer.get());
            report += Narrow(entry.cFileName) + " " + std::to_string(size) + "\r\n";
        }
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), report.data(), static_cast<DWORD>(report.size()),
              &written, nullptr);
    return 0;
}
