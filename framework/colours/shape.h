#pragma once

#include <string>

#include "framework/export.h"

// The symbol shapes of facilities.
enum SHAPE {
    SHAPE_CIRCLE = 0,
    SHAPE_SQUARE,
    SHAPE_TRIANGLE,
    SHAPE_DIAMOND,
    SHAPE_HEXAGON,
};

// Number of shapes.
constexpr int NUMBER_OF_SHAPES = 5;

// The name of a shape ("circle", ...), empty outside 0..4.
SABLEKIT_API std::string GetShapeName(int shape);
// The shape of a name in any letter case, or -1 (also for an empty text).
SABLEKIT_API int DecodeShape(const std::string& text);
