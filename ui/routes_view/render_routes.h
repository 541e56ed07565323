#pragma once
#include <string>
class CTramletDoc;
// Draws the routes view of the project (a new view's display switches) into imagePath; the extension
// ".png" or ".svg" chooses the format. Returns false and sets error on failure. Needs a QGuiApplication.
bool RenderRoutesToFile(const CTramletDoc& document, const std::string& imagePath, std::string& error);
