#pragma once

class CTramletDoc;

// Validating setters of the document's algorithm parameters. Each stores a valid value and
// returns; a value out of range is refused with its message (DisplayErrorMessage) and a
// CUserException, leaving the parameter unchanged.

// Starting angle in whole degrees, 0 to 359.
void SetAlgorithmStartingAngle(CTramletDoc& document, int angle);
// Randomization depth, 1 to depots + customers + suppliers.
void SetAlgorithmRandomizationDepth(CTramletDoc& document, int depth);
// Crossover savings penalty factor, 0.0 to 1.0.
void SetAlgorithmCrossoverPenaltyFactor(CTramletDoc& document, double factor);
