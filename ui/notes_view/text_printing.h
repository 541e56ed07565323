#pragma once

#include <string>
#include <vector>

class QPrinter;

// Prints lines of text in a fixed-width font at the left margin, one below the other, starting
// a new page when a page is full.
void PrintTextLines(QPrinter& printer, const std::vector<std::string>& lines);

// Splits text at "\n" (a "\r" before it is dropped); no empty last line for a final "\n".
std::vector<std::string> SplitTextLines(const std::string& text);
