#pragma once

#include <cstdio>
#include <memory>

class CRoute;
class CTextLineReader;
class CTramletDoc;

// Reads the lines of the route with the given index (labelled index + 1) from a route data
// file: the line of counts and colour, then one line per entry from the opening to the closing
// depot. A refusal is reported and raises a user exception; the route is emptied first, so no
// facility keeps a reference to it.
std::unique_ptr<CRoute> ReadRouteDataLines(CTramletDoc& document, int index, CTextLineReader& reader);

// Reads count routes and adds them to the document (their customers and suppliers counted as
// routed).
void ReadRouteDataFile(CTramletDoc& document, int count, CTextLineReader& reader);

// Writes the lines of every route in order.
void WriteRouteDataFile(const CTramletDoc& document, std::FILE* file);
