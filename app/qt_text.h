#pragma once
// The window's side of the text boundary: the library speaks UTF-8 in std::string, Qt speaks
// QString. Every conversion goes through these helpers.

#include <QString>
#include <string>
#include <string_view>

#include "i18n/language_state.h"

namespace kelvo {

inline QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string ToUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

// The text of a language key in the current language, as the window shows it.
inline QString LangQ(int key) {
    return ToQString(LangText(key));
}

}  // namespace kelvo
