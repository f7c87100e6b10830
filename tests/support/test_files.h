#pragma once

#include <string>

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes away.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    // The folder's path in the native form, ending without a separator.
    const std::string& Path() const { return m_path; }
    // The path of name inside the folder (name in code page 932 on Windows).
    std::string PathOf(const std::string& name) const;
    // Creates or replaces the file name with exactly these bytes; returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    std::string MakeFolder(const std::string& name) const;
#ifdef _WIN32
    // The same for a name code page 932 may not be able to write; returns
    // the path as code page 932 writes it.
    std::string Write(const std::wstring& name, const std::string& bytes) const;
    // Writes bytes, then extends the file to size bytes with SetEndOfFile:
    // the zeros after them are a hole the disk need not hold, so a file of
    // a gibibyte is made at once.
    std::string WriteSized(const std::string& name, const std::string& bytes, long long size) const;
#endif

private:
    std::string m_path;
};

// The whole content of a file, or an empty string if it cannot be read.
std::string ReadFileBytes(const std::string& path);

// True in a Windows program running under Wine rather than on Windows.
bool RunningUnderWine();
