#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <utility>

// The list the job state is made of: append at the tail, take off the head,
// empty and count. Taking from an empty list is a caller's error; it yields
// a value-initialised element rather than undefined behaviour.
template <class T>
class CList {
public:
    void AddTail(T item) { m_items.push_back(std::move(item)); }
    T RemoveHead() {
        assert(!m_items.empty());
        if (m_items.empty()) {
            return T{};
        }
        T item = std::move(m_items.front());
        m_items.pop_front();
        return item;
    }
    void RemoveTail() {
        assert(!m_items.empty());
        if (!m_items.empty()) {
            m_items.pop_back();
        }
    }
    void RemoveAll() { m_items.clear(); }
    std::size_t GetCount() const { return m_items.size(); }
    bool IsEmpty() const { return m_items.empty(); }
    const T& GetHead() const { return m_items.front(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    std::deque<T> m_items;
};

// Strings are byte strings in code page 932.
using CStringList = CList<std::string>;
// A CRC-16 per report row.
using CCrcList = CList<std::uint16_t>;
// A size in bytes per report row; 64-bit, since files of 2 GiB and more are ordinary.
using CSizeList = CList<std::int64_t>;
