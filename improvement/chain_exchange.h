#pragma once

#include "improvement/exchange_improvement.h"

class CTramletDoc;

// Chain Exchange (command 2082, "Chain Exchange"): moves a chain of the project's chain length of
// consecutive facilities, in its direction, to the best other place of its route. The run is not
// announced in the execution log and records the chain length as its parameter.
ERunResult OnChainExchange(CTramletDoc& document);
