#pragma once
// The text that Copy puts on the clipboard: every result of the main window (workpiece, hole
// gauges, shaft gauges, setting masters) as tab-separated lines for a spreadsheet or a document.
// Labels are language texts of the current language; every number is in millimetres, also while
// the window shows inches, and the last line is therefore always the millimetre note.

#include <string>

#include "model/main_model.h"

namespace kelvo {

// UTF-8; every line ends with CR LF, the cells of a line are separated by one TAB each (an empty
// cell shows as two adjacent tabs). The window's CopyReport converts it to the clipboard's text
// type and replaces the clipboard's contents with it.
std::string CopyReportText(const MainWindowModel& model);

}  // namespace kelvo
