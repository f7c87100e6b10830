#pragma once

#include <string>
#include <string_view>

#include "framework/containers.h"
#include "ui/result/remaining_names.h"

// Filtering a download manager's URL list down to the entries of the files
// that failed a verification. Two formats, told apart by the list's
// extension: ".txt" holds one URL per line; ".wrg" holds records of lines,
// one of them "Url=...", separated by empty lines or ";" comment lines.

enum class UrlListFormat { Unknown, Plain, Records };

// ".txt" or ".wrg", the case of ASCII letters ignored; anything else is Unknown.
UrlListFormat UrlListFormatOf(std::string_view path);

// The extract is written beside the list, "_" added to its base name:
// "D:\dl\list.txt" gives "D:\dl\list_.txt". The path is the list's real one.
std::wstring UrlExtractPath(std::wstring_view listPath);

// Reads text as the C runtime's fgets does with a 500-byte buffer: each piece
// is at most 499 bytes, up to and including a line end, which is then
// dropped. A longer line thus arrives in several pieces, each one treated as
// a line of its own, and a line of exactly 499 bytes is followed by an empty
// piece. The last line counts whether or not it has a line end.
class CLinePieces {
public:
    static constexpr std::size_t kMaxPiece = 499;

    explicit CLinePieces(std::string_view text) : m_rest(text) {}
    // The next piece; false at the end of the text.
    bool Next(std::string_view& piece);

private:
    std::string_view m_rest;
};

// Each takes the list as text-mode reading yields it and returns the text of
// the extract (LF line ends), using up the names that selected something.
// Plain: every line that ends with a remaining name, in input order.
std::string ExtractPlainUrls(std::string_view text, CRemainingNames& names);
// Records: every record whose trimmed "Url=" value ends with a remaining
// name, its lines as read, followed by one empty line.
std::string ExtractUrlRecords(std::string_view text, CRemainingNames& names);

// The whole extraction from the list file's bytes to the extract file's
// bytes (text mode: CR LF line ends, Ctrl-Z ends the input).
std::string ExtractUrlList(UrlListFormat format, std::string_view listBytes,
                           const CStringList& failedNames);
