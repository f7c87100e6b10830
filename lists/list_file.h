#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/file_name.h"
#include "framework/file_system/file_open.h"
#include "lists/list_encoding.h"

// A checksum list read front to back in pieces, so that a list of any size
// is held a piece at a time. A list of kListSizeLimit bytes or more is
// refused unread; a list that shrinks while it is read gives what it still
// held, and one that grows gives the bytes it had when it was opened.
enum class ListRead { Read, CannotOpen, TooLarge, ReadFailed };

// About this many bytes make a piece: far more than a line, far less than
// the lists of millions of files.
inline constexpr std::size_t kListPieceBytes = std::size_t{4} << 20;

class ListPieces {
public:
    explicit ListPieces(const CFileName& path);
    // Read while pieces come; ReadFailed once a read has failed.
    ListRead Status() const { return m_status; }
    // The encoding its byte-order mark announces; Cp932 where it has none.
    TextEncoding Marked() const { return m_marked; }
    // The next piece of the list's text, after its byte-order mark, a UTF-16
    // list's in UTF-8: whole lines, as many as about kListPieceBytes hold
    // (a longer line is a piece of its own). False at the end of the list
    // or when reading failed.
    bool Next(std::string& text);

private:
    bool ReadMore();

    CReadFile m_file;
    ListRead m_status = ListRead::Read;
    TextEncoding m_marked = TextEncoding::Cp932;
    std::int64_t m_left = 0;  // bytes of the list not read yet
    std::string m_bytes;      // read, not yet given
    bool m_started = false;
};
