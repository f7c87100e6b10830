#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_set>

#include "framework/file_name.h"

// The files a list's entries have checked so far, so that a file the list
// names twice, by any of its names, is checked once. A report of a million
// rows holds a million of them: each is kept as a 128-bit digest of its
// key, under a seed drawn for each list, rather than as its full path.
// Two different files whose keys share a digest (about one chance in 2^89
// for a million files) would have the later one named as checked before:
// a failed entry, never one passed unread.
class CheckedFiles {
public:
    CheckedFiles();
    // False when file was checked before.
    bool Add(const CFileName& file);

private:
    struct Digest {
        std::uint64_t high = 0;
        std::uint64_t low = 0;
        bool operator==(const Digest&) const = default;
    };
    struct DigestHash {
        std::size_t operator()(const Digest& digest) const {
            return static_cast<std::size_t>(digest.low);
        }
    };
    Digest DigestOf(std::wstring_view key) const;

    std::uint64_t m_seed;
    std::unordered_set<Digest, DigestHash> m_digests;
};
