#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "engine/stream_crc.h"
#include "framework/file_name.h"

class CReadFile;

// The failure ComputeFileCrc throws: what() is the report line for it.
class FileCrcError : public std::runtime_error {
public:
    FileCrcError(CrcFailure failure, const std::string& message)
        : std::runtime_error(message), m_failure(failure) {}
    CrcFailure Failure() const { return m_failure; }

private:
    CrcFailure m_failure;
};

// The CRC-16 of a whole file, read in binary mode in 1 MiB chunks without
// denying other processes read or write access. Throws FileCrcError when the
// file cannot be opened ("<path>:ファイルが開けません"), when reading fails
// part-way ("<path>:読み込みエラー"), when no read buffer can be had, or
// (CrcFailure::Stopped) when the job is stopped before its last byte.
// bytesRead, when given, receives the number of bytes the CRC covers.
// The file is read by its real name; messages name it by its text.
std::uint16_t ComputeFileCrc(const CFileName& path, std::int64_t* bytesRead = nullptr);

// The same over a file already opened, read from where it stands: a file
// whose length was just asked is not opened twice, which under Wine costs as
// much as reading a small file. path names it in the messages.
std::uint16_t ComputeOpenFileCrc(const CReadFile& file, const std::string& path,
                                 std::int64_t* bytesRead = nullptr);
