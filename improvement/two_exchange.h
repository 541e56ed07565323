#pragma once

#include "improvement/exchange_improvement.h"

class CTramletDoc;

// Two Exchange (command 2081, "Two Exchange"): within each route, reverses the run between two
// links while that shortens the route by more than the tolerance margin. Nothing is reversed
// while the project's distances are marked asymmetric.
ERunResult OnTwoExchange(CTramletDoc& document);
