#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "framework/containers.h"

// The failed names a URL-list extraction still looks for, each able to select
// one line or record. A text selects the first remaining name, in the order of
// the failed list, that it ends with (ASCII letters compared without case),
// where the name begins at a place the caller allows; that name is then used
// up. A name listed twice can select two texts.
//
// URL lists run to hundreds of thousands of lines and a verification can fail
// thousands of names, so the names are kept in a trie of their reversed,
// lower-cased bytes: one walk back from a text's end visits exactly the names
// it can end with.
class CRemainingNames {
public:
    explicit CRemainingNames(const CStringList& names);

    // Whether a name may begin at an offset into the text; unset: anywhere.
    using NameStarts = std::function<bool(std::size_t offset)>;

    // Uses up the first remaining name that text ends with; false if none.
    bool TakeFirstMatch(std::string_view text, const NameStarts& mayStartAt = {});
    std::size_t GetCount() const { return m_remaining; }
    bool IsEmpty() const { return m_remaining == 0; }

private:
    static constexpr std::uint32_t kNone = 0xFFFFFFFF;

    struct Node {
        std::uint32_t firstChild = kNone;
        std::uint32_t nextSibling = kNone;
        std::uint32_t names = kNone;  // index into m_nameGroups, or kNone
        unsigned char byte = 0;
    };
    // The list positions of the names that are equal without case, in list
    // order; the ones before next are used up.
    struct NameGroup {
        std::vector<std::uint32_t> positions;
        std::size_t next = 0;
    };

    void Insert(std::string_view name, std::uint32_t position);
    std::uint32_t Child(std::uint32_t node, unsigned char byte) const;
    std::uint32_t AddChild(std::uint32_t node, unsigned char byte);
    // The list position of the first unused name that ends at node, or kNone.
    std::uint32_t FirstUnused(std::uint32_t node) const;

    std::vector<Node> m_nodes;
    std::vector<NameGroup> m_nameGroups;
    std::size_t m_remaining = 0;
};
