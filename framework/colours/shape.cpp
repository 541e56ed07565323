#include "framework/colours/shape.h"

#include <cctype>

namespace {

constexpr const char* kShapeNames[NUMBER_OF_SHAPES] = {"circle", "square", "triangle", "diamond", "hexagon"};

} // namespace

std::string GetShapeName(int shape) {
    if (shape < 0 || shape >= NUMBER_OF_SHAPES) {
        return std::string();
    }
    return kShapeNames[shape];
}

int DecodeShape(const std::string& text) {
    for (int shape = 0; shape < NUMBER_OF_SHAPES; ++shape) {
        const char* name = kShapeNames[shape];
        size_t i = 0;
        while (i < text.size() && name[i] != '\0' &&
               std::tolower(static_cast<unsigned char>(text[i])) == static_cast<unsigned char>(name[i])) {
            ++i;
        }
        if (i == text.size() && name[i] == '\0') {
            return shape;
        }
    }
    return -1;
}
