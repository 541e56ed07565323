#pragma once

#include <string>

class QWidget;

// A modal dialog that shows a text in a fixed-width font with the buttons OK and Copy (the
// text onto the clipboard): the evaluated routes, the savings and the insertion penalties.
void ShowTextDialog(QWidget* parent, const std::string& title, const std::string& text);
