#pragma once

#include "improvement/exchange_improvement.h"

class CTramletDoc;

// Three Exchange (command 2083, "Three Exchange"): the best two-exchange while one is left, then
// the best change of three links of a route (two segments exchanged, or both reversed in place),
// and back to two-exchanges.
ERunResult OnThreeExchange(CTramletDoc& document);
