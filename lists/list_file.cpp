#include "lists/list_file.h"

#include <algorithm>
#include <utility>

#include "framework/unicode_text.h"
#include "lists/list_text.h"

ListPieces::ListPieces(const CFileName& path) : m_file(path) {
    if (!m_file.IsOpen()) {
        m_status = ListRead::CannotOpen;
        return;
    }
    m_left = m_file.Length();
    if (m_left < 0) {
        m_status = ListRead::ReadFailed;
    } else if (m_left >= kListSizeLimit) {
        m_status = ListRead::TooLarge;
    }
}

// Appends up to a piece's worth of the list to m_bytes; false when nothing
// more comes.
bool ListPieces::ReadMore() {
    const std::size_t wanted =
        static_cast<std::size_t>(std::min<std::int64_t>(m_left, kListPieceBytes));
    if (wanted == 0 || m_status != ListRead::Read) {
        return false;
    }
    const std::size_t held = m_bytes.size();
    m_bytes.resize(held + wanted);
    const std::int64_t got = m_file.Read(m_bytes.data() + held, wanted);
    m_bytes.resize(held + static_cast<std::size_t>(std::max<std::int64_t>(got, 0)));
    if (got < 0) {
        m_status = ListRead::ReadFailed;
    }
    m_left = got > 0 ? m_left - got : 0;
    return got > 0;
}

bool ListPieces::Next(std::string& text) {
    bool more = true;
    std::size_t end = 0;
    while ((end = PieceEnd(m_bytes, m_marked)) == 0 && (more = ReadMore())) {
        if (!std::exchange(m_started, true)) {
            m_marked = MarkedEncoding(m_bytes);
            m_bytes.erase(0, WithoutByteOrderMark(m_bytes, m_marked).data() - m_bytes.data());
        }
    }
    if (m_status != ListRead::Read || (end == 0 && m_bytes.empty())) {
        return false;
    }
    end = more ? end : m_bytes.size();
    const std::string_view piece = std::string_view(m_bytes).substr(0, end);
    const bool utf16 = m_marked == TextEncoding::Utf16Le || m_marked == TextEncoding::Utf16Be;
    text = utf16 ? WideToUtf8(Utf16ToWide(piece, m_marked == TextEncoding::Utf16Be))
                 : std::string(piece);
    m_bytes.erase(0, end);
    return true;
}
