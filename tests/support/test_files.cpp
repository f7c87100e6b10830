#include "tests/support/test_files.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>

#ifdef _WIN32
#include <windows.h>

#include "framework/cp932_text.h"
#include "framework/wide_path.h"
#else
#include <filesystem>
#endif

#ifndef _WIN32
namespace fs = std::filesystem;
#endif

namespace {

std::string UniqueName() {
    static std::atomic<unsigned> counter{0};
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return "varnel-test-" + std::to_string(ticks) + "-" + std::to_string(counter++);
}

#ifdef _WIN32
// The ANSI functions take code page 932 bytes as they are; the standard
// library's narrow paths would be read as UTF-8 by this runtime.
constexpr char kSeparator = '\\';

std::string TempBase() {
    char buffer[MAX_PATH + 1];
    const DWORD length = GetTempPathA(sizeof buffer, buffer);
    std::string base(buffer, length);
    while (!base.empty() && base.back() == '\\') {
        base.pop_back();
    }
    return base;
}

// Wide, so that names code page 932 cannot write go too.
void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring child = path + L"\\" + name;
            SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(path.c_str());
}

void RemoveTree(const std::string& path) {
    RemoveTree(WidePath(WidenText(path)));
}

void CreateFolder(const std::string& path) {
    CreateDirectoryA(path.c_str(), nullptr);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 24));
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
            break;
        }
        done += written;
    }
    CloseHandle(file);
}

std::string ReadBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::string content;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        content.append(buffer, got);
    }
    CloseHandle(file);
    return content;
}
#else
constexpr char kSeparator = '/';

std::string TempBase() {
    return fs::temp_directory_path().string();
}
void RemoveTree(const std::string& path) {
    std::error_code ignored;
    fs::remove_all(path, ignored);
}
void CreateFolder(const std::string& path) {
    fs::create_directory(path);
}
void WriteBytes(const std::string& path, const std::string& bytes) {
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
}
std::string ReadBytes(const std::string& path) {
    std::string content;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[65536];
        std::size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
            content.append(buffer, got);
        }
        std::fclose(file);
    }
    return content;
}
#endif

}  // namespace

TestFolder::TestFolder() : m_path(TempBase() + kSeparator + UniqueName()) {
    CreateFolder(m_path);
}

TestFolder::~TestFolder() {
    RemoveTree(m_path);
}

std::string TestFolder::PathOf(const std::string& name) const {
    return m_path + kSeparator + name;
}

std::string TestFolder::Write(const std::string& name, const std::string& bytes) const {
    const std::string path = PathOf(name);
    WriteBytes(path, bytes);
    return path;
}

std::string TestFolder::MakeFolder(const std::string& name) const {
    const std::string path = PathOf(name);
    CreateFolder(path);
    return path;
}

std::string ReadFileBytes(const std::string& path) {
    return ReadBytes(path);
}

#ifdef _WIN32
std::string TestFolder::Write(const std::wstring& name, const std::string& bytes) const {
    std::wstring path = WidenText(m_path) + L'\\';
    path += name;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    return NarrowText(path);
}

std::string TestFolder::WriteSized(const std::string& name, const std::string& bytes,
                                   long long size) const {
    const std::string path = Write(name, bytes);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        LARGE_INTEGER end;
        end.QuadPart = size;
        SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
        SetEndOfFile(file);
        CloseHandle(file);
    }
    return path;
}
#endif

#ifndef _WIN32
// Under Windows the program's own answer serves (framework/wine_host).
bool RunningUnderWine() {
    return false;
}
#endif
