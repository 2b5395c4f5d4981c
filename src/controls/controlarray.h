#pragma once

#include <cassert>
#include <deque>
#include <initializer_list>

namespace controls {

// A control array, indexed from 0. The window description supplies the first
// elements; further ones are created at run time with Load as hidden copies of
// element 0. A reference to an element stays valid for the array's lifetime,
// also across later loads.
template <typename Control>
class ControlArray {
public:
    ControlArray(std::initializer_list<Control> described) : m_elements(described)
    {
        assert(!m_elements.empty());
    }

    [[nodiscard]] Control& operator[](int index)
    {
        assert(index >= 0 && index < Count());
        return m_elements[std::size_t(index)];
    }
    [[nodiscard]] const Control& operator[](int index) const
    {
        assert(index >= 0 && index < Count());
        return m_elements[std::size_t(index)];
    }

    [[nodiscard]] int Count() const { return int(m_elements.size()); }

    // Creates element `index`, which must be the next free one, as a copy of
    // element 0 in everything but its index, hidden.
    void Load(int index)
    {
        assert(index == Count());
        (void)index;
        Control created = m_elements.front();
        created.Visible = false;
        m_elements.push_back(created);
    }

    auto begin() { return m_elements.begin(); }
    auto end() { return m_elements.end(); }
    auto begin() const { return m_elements.begin(); }
    auto end() const { return m_elements.end(); }

private:
    std::deque<Control> m_elements;
};

} // namespace controls
