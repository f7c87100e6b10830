#include "lists/checked_files.h"

#include <windows.h>

#include <random>
#include <string>

#include "framework/file_system/full_path.h"

namespace {

// A file reached by two of its names (ASCII case, "." and ".." steps, '/')
// has one key: the full path the file functions take (see ReachedPath), in
// upper case. A name they refuse is its own key.
std::wstring SameFileKey(const CFileName& file) {
    std::wstring full = ReachedPath(file);
    if (full.empty()) {
        full = file.Real();
    }
    std::wstring key(full.size(), L'\0');
    const int length = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, full.data(),
                                     static_cast<int>(full.size()), key.data(),
                                     static_cast<int>(key.size()), nullptr, nullptr, 0);
    return length == static_cast<int>(key.size()) ? key : full;
}

// The finaliser of MurmurHash3: every input bit reaches every output bit.
std::uint64_t Mix(std::uint64_t value) {
    value ^= value >> 33;
    value *= 0xFF51AFD7ED558CCDull;
    value ^= value >> 33;
    value *= 0xC4CEB9FE1A85EC53ull;
    return value ^ (value >> 33);
}

}  // namespace

CheckedFiles::CheckedFiles()
    : m_seed((std::uint64_t{std::random_device{}()} << 32) ^ std::random_device{}()) {}

bool CheckedFiles::Add(const CFileName& file) {
    return m_digests.insert(DigestOf(SameFileKey(file))).second;
}

// Two lanes, each a multiply-and-mix chain over the code units and the
// length; the seed keeps a list from being written to collide on purpose.
CheckedFiles::Digest CheckedFiles::DigestOf(std::wstring_view key) const {
    Digest digest{Mix(m_seed ^ key.size()), Mix(~m_seed + key.size())};
    for (const wchar_t unit : key) {
        const auto code = static_cast<std::uint64_t>(unit);
        digest.high = Mix(digest.high ^ code) + 0x9E3779B97F4A7C15ull;
        digest.low = Mix(digest.low + code * 0xD6E8FEB86659FD93ull) ^ digest.high;
    }
    return digest;
}
