#pragma once

#include <cfloat>
#include <cstdint>
#include <string>

// A set of up to 128 customers or suppliers in two 64-bit words. Element i (0 <= i < 128) is bit i
// of the second word for i < 64 and bit i - 64 of the first word otherwise.
struct COctalWord {
    std::uint64_t m_word[2] = {0, 0};

    // The set {i}.
    static COctalWord Singleton(int i) {
        COctalWord set;
        set.m_word[i < 64 ? 1 : 0] = std::uint64_t{1} << (i & 63);
        return set;
    }
    // Whether the two sets share an element (one AND of the two 128-bit sets).
    bool Intersects(const COctalWord& other) const {
        return ((m_word[0] & other.m_word[0]) | (m_word[1] & other.m_word[1])) != 0;
    }
    bool Contains(int i) const { return Intersects(Singleton(i)); }
    // The union of this set and other.
    COctalWord With(const COctalWord& other) const {
        COctalWord set;
        set.m_word[0] = m_word[0] | other.m_word[0];
        set.m_word[1] = m_word[1] | other.m_word[1];
        return set;
    }
    bool IsEmpty() const { return (m_word[0] | m_word[1]) == 0; }
    // The first word then the second in octal ("%I64o%I64o").
    std::string FormatOctal() const;
};

// The distance of a state that no path reaches.
constexpr float GSP_NO_PATH = FLT_MAX;

// The label of one state (facility, load) of the shortest path pricing: the reduced length of the
// best known path to it, where that path came from, and whether the state has been extended.
struct CGSPLabel {
    float m_fDistance = GSP_NO_PATH;
    std::int32_t m_lPredecessor = 0;
    std::int32_t m_lPredecessorLoad = 0;
    std::int32_t m_lPermanent = 0;

    bool IsReached() const { return m_fDistance < GSP_NO_PATH; }
    // The label line of the Debug listing: distance, the predecessor's label, its load and P or T.
    std::string FormatLine(const std::string& predecessorLabel) const;
};

// A label that also keeps the customers and the suppliers visited on its path.
struct CGSPExLabel : CGSPLabel {
    COctalWord m_customersVisited;
    COctalWord m_suppliersVisited;

    // The label line with both visit sets in octal.
    std::string FormatLine(const std::string& predecessorLabel) const;
};
