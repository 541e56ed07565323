#pragma once

#include <cstdio>
#include <memory>
#include <string>

class CFacility;
class CTextLineReader;
class CTramletDoc;

// Reads the next facility of a type from a facility data file: comment lines are skipped, the
// line's first eight items are validated by the facility. A refusal is reported and raises a
// user exception (the facility read so far is discarded).
std::unique_ptr<CFacility> ReadFacilityDataLine(CTramletDoc& document, int type, const std::string& typeName,
                                                CTextLineReader& reader);

// Reads count facilities of a type and adds them to the document.
void ReadFacilityDataFile(CTramletDoc& document, int type, int count, CTextLineReader& reader);

// Writes one line per facility of the type, in project order.
void WriteFacilityDataFile(const CTramletDoc& document, int type, std::FILE* file);
