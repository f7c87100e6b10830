#pragma once

#include <string>

// Loads and verifies a column-format ".crc" list (one that begins with
// "FileName"), given its path as the job received it.
// realPath: the list's real path when code page 932 cannot write it.
void VerifyColumnList(const std::string& listPath, const std::wstring& realPath = {});
