#pragma once

#include "framework/containers/double_vector.h"
#include "framework/containers/long_vector.h"

class CTramletDoc;

// Which facilities ComputePolarAngles takes.
enum EPOLARSELECTION {
    PS_CUSTOMERS = 0,
    PS_SUPPLIERS = 1,
    PS_CUSTOMERS_AND_SUPPLIERS = 2, // customers first, then suppliers
};

// Two pi as the angle computations use it.
constexpr double POLAR_TWO_PI = 6.28318530717956;

// The polar coordinates of the selected facilities around the project's first depot, measured
// from the ray of the project's starting angle: angles[k] in radians in [0, 2 pi), radii[k]
// the distance in world coordinates, k the position of the facility in the selection
// (customers in document order, then suppliers). order receives the positions sorted by
// ascending angle (IndexSort; equal angles in no particular order). At report level Debug with
// an open output log the table of the facilities is written before and after sorting.
// A selection other than 0, 1 or 2, or a project without a depot, raises
// std::invalid_argument; a failed output-log write a CFileException.
void ComputePolarAngles(const CTramletDoc& document, int selection, CDoubleVector& angles,
                        CDoubleVector& radii, CLongVector& order);
