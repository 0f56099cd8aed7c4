#pragma once
// A tour through the window's pages, panels and languages that saves a picture of each state,
// for checking the layout by eye at any pixel density.

#include <QString>

namespace kelvo {

class TfrmZuzivOdi;

// Saves PNG files into `folder` (created if missing); returns the number of pictures saved.
int TakeScreenshots(TfrmZuzivOdi& window, const QString& folder);

}  // namespace kelvo
