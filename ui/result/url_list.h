#pragma once

#include <functional>
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

// How a URL list's text is written: what the UTF-8 bytes its %XX escapes
// spell become in it (unset: they stay as they are), and whether it is code
// page 932, where a backslash can be the trail byte of a character.
struct UrlListEncoding {
    std::function<std::string(std::string_view utf8)> fromUtf8;
    bool doubleByte = true;
};

// A URL names a failed file when its last path component is that name: the
// name ends the URL and begins at its start or after '/', '\\' or '='. The
// URL is compared without a "?query" or "#fragment" and with its %XX escapes
// decoded (UTF-8), the case of ASCII letters ignored. Each failed name
// selects the first line or record whose URL names it.
bool TakeNamedFile(std::string_view url, CRemainingNames& names,
                   const UrlListEncoding& encoding = {});

// Reads text as the C runtime's fgets does with a 500-byte buffer: each piece
// is at most 499 bytes, up to and including a line end, which is then
// dropped. A longer line thus arrives in several pieces, each one treated as
// a line of its own, and a line of exactly 499 bytes is followed by an empty
// piece. The last line counts whether or not it has a line end. A line ends
// at LF, at CR LF or at a CR alone, as lists written on old Macintoshes end
// them.
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
// Plain: every line that names a remaining failed file, in input order.
std::string ExtractPlainUrls(std::string_view text, CRemainingNames& names,
                             const UrlListEncoding& encoding = {});
// Records: every record whose trimmed "Url=" value names a remaining failed
// file, its lines as read, followed by one empty line.
std::string ExtractUrlRecords(std::string_view text, CRemainingNames& names,
                              const UrlListEncoding& encoding = {});

// The whole extraction from the list file's bytes to the extract file's
// bytes (text mode: CR LF line ends, Ctrl-Z ends the input).
std::string ExtractUrlList(UrlListFormat format, std::string_view listBytes,
                           const CStringList& failedNames, const UrlListEncoding& encoding = {});
