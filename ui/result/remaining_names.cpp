#include "ui/result/remaining_names.h"

#include "framework/cp932.h"

namespace {

unsigned char LowerByte(char c) {
    return static_cast<unsigned char>(ToLowerAscii(c));
}

}  // namespace

CRemainingNames::CRemainingNames(const CStringList& names) : m_nodes(1) {
    std::uint32_t position = 0;
    for (const std::string& name : names) {
        Insert(name, position++);
    }
    m_remaining = names.GetCount();
}

void CRemainingNames::Insert(std::string_view name, std::uint32_t position) {
    std::uint32_t node = 0;
    for (auto it = name.rbegin(); it != name.rend(); ++it) {
        const unsigned char byte = LowerByte(*it);
        const std::uint32_t child = Child(node, byte);
        node = child != kNone ? child : AddChild(node, byte);
    }
    if (m_nodes[node].names == kNone) {
        m_nodes[node].names = static_cast<std::uint32_t>(m_nameGroups.size());
        m_nameGroups.emplace_back();
    }
    m_nameGroups[m_nodes[node].names].positions.push_back(position);
}

std::uint32_t CRemainingNames::Child(std::uint32_t node, unsigned char byte) const {
    for (std::uint32_t child = m_nodes[node].firstChild; child != kNone;
         child = m_nodes[child].nextSibling) {
        if (m_nodes[child].byte == byte) {
            return child;
        }
    }
    return kNone;
}

std::uint32_t CRemainingNames::AddChild(std::uint32_t node, unsigned char byte) {
    const auto child = static_cast<std::uint32_t>(m_nodes.size());
    Node added;
    added.byte = byte;
    added.nextSibling = m_nodes[node].firstChild;
    m_nodes.push_back(added);
    m_nodes[node].firstChild = child;
    return child;
}

std::uint32_t CRemainingNames::FirstUnused(std::uint32_t node) const {
    const std::uint32_t group = m_nodes[node].names;
    if (group == kNone) {
        return kNone;
    }
    const NameGroup& names = m_nameGroups[group];
    return names.next < names.positions.size() ? names.positions[names.next] : kNone;
}

bool CRemainingNames::TakeFirstMatch(std::string_view text, const NameStarts& mayStartAt) {
    if (m_remaining == 0) {
        return false;
    }
    const auto allowed = [&](std::size_t start) { return !mayStartAt || mayStartAt(start); };
    std::uint32_t bestNode = 0;
    std::uint32_t bestPosition = allowed(text.size()) ? FirstUnused(0) : kNone;
    std::uint32_t node = 0;
    for (std::size_t start = text.size(); start > 0; --start) {
        node = Child(node, LowerByte(text[start - 1]));
        if (node == kNone) {
            break;
        }
        const std::uint32_t position = FirstUnused(node);
        if (position < bestPosition && allowed(start - 1)) {
            bestNode = node;
            bestPosition = position;
        }
    }
    if (bestPosition == kNone) {
        return false;
    }
    ++m_nameGroups[m_nodes[bestNode].names].next;
    --m_remaining;
    return true;
}
