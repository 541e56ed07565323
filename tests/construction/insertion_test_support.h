#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "framework/platform/user_interface.h"
#include "model/route.h"

// Helpers of the construction tests: what a route visits and what a status window showed.
using Texts = std::vector<std::string>;

// The printed lines of a status window update (label, a blank, value).
inline Texts StatusLines(const std::vector<SStatusField>& fields) {
    Texts lines;
    for (const SStatusField& field : fields) {
        lines.push_back(field.label + " " + field.value);
    }
    return lines;
}

// The Euclidean penalty of inserting f between p and s.
inline double Penalty(const CFacility* p, const CFacility* f, const CFacility* s) {
    auto d = [](const CFacility* a, const CFacility* b) {
        return std::hypot(a->GetWorldLocation().x() - b->GetWorldLocation().x(),
                          a->GetWorldLocation().y() - b->GetWorldLocation().y());
    };
    return d(p, f) + d(f, s) - d(p, s);
}
