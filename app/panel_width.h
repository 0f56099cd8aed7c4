#pragma once
// The width a side panel needs so that none of its captions and entries is cut: the widest
// control of its grid layout, a control in one of two columns counting twice.

#include <QWidget>

namespace kelvo {

int NeededPanelWidth(const QWidget* panel);

}  // namespace kelvo
