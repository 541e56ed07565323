#pragma once

// Which values a scan prefers.
enum class EPrefer { largest, smallest };

// The incumbent value of a scan that keeps the first best candidate: only a value strictly
// better than the incumbent replaces it, so of equal values the first offered stays. The caller
// records its candidate whenever an offer is taken.
template <EPrefer Prefer> class TFirstBest {
public:
    // No incumbent yet: the first value offered is taken.
    TFirstBest() = default;
    // The incumbent starts at a bound that a value must beat (0 for savings).
    explicit TFirstBest(double bound) : m_value(bound), m_hasValue(true) {}

    // True, and value the incumbent, when value is strictly better than the incumbent.
    bool Offer(double value) {
        if (m_hasValue && !(Prefer == EPrefer::largest ? value > m_value : value < m_value)) {
            return false;
        }
        return Take(value);
    }
    // True, and value the incumbent, when value beats the incumbent by more than margin.
    bool OfferBeyond(double value, double margin) {
        if (m_hasValue && !((Prefer == EPrefer::largest ? value - m_value : m_value - value) > margin)) {
            return false;
        }
        return Take(value);
    }

    // Whether an offer was taken.
    bool Found() const { return m_found; }
    // The incumbent (the bound until an offer is taken).
    double Value() const { return m_value; }

private:
    bool Take(double value) {
        m_value = value;
        m_hasValue = true;
        m_found = true;
        return true;
    }

    double m_value = 0.0;
    bool m_hasValue = false;
    bool m_found = false;
};

using CLargestFirst = TFirstBest<EPrefer::largest>;
using CSmallestFirst = TFirstBest<EPrefer::smallest>;
