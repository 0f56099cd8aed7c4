#pragma once
// Replacing the entries of a selector while keeping its selection (a change of language).

#include <QComboBox>
#include <string>
#include <vector>

#include "app/qt_text.h"

namespace kelvo {

inline void ReplaceComboItems(QComboBox* combo, const std::vector<std::string>& texts) {
    const int selected = combo->currentIndex();
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (const std::string& text : texts) {
        combo->addItem(ToQString(text));
    }
    if (selected >= 0 && selected < combo->count()) {
        combo->setCurrentIndex(selected);
    }
}

}  // namespace kelvo
