#pragma once
// The current language of the process and its table, and the functions through which the program
// asks for texts and switches languages.
//
// Text type: LangText returns UTF-8 in a std::string (a copy, so it stays valid across a language
// switch); the window converts it to its own string type.
//
// All of this runs on the user-interface thread; the state holds no lock.

#include <string>

#include "i18n/language_table.h"
#include "i18n/settings.h"
#include "i18n/settings_store.h"

namespace kelvo {

class LanguageState {
  public:
    int CurrentNumber() const { return number_; }
    const LanguageTable& Table() const { return table_; }

    void SetCurrentNumber(int number) { number_ = number; }
    void ReplaceTable(LanguageTable table) {
        table_ = std::move(table);
        ++generation_;
    }
    // Changes whenever the table is replaced, so that a caller may keep texts it looked up
    // for as long as the generation stays the same.
    unsigned Generation() const { return generation_; }

    // Back to the state at program start: English, empty table (for tests).
    void Reset();

  private:
    int number_ = kDefaultLanguage;  // 1 Bulgarian, 2 German, 3 English
    unsigned generation_ = 0;
    LanguageTable table_;
};

// The one state of the process.
LanguageState& GlobalLanguageState();

// The built-in table of a language number, parsed. Empty for a number other than 1 to 3, and
// empty (with no message) should loading fail: every lookup then yields the empty text.
LanguageTable LoadLanguageTable(int languageNumber);

// The text of `key` in the current language; empty when the table holds no such key.
std::string LangText(int key);

int CurrentLanguage();

// At program start, before any text is asked for: the table of the stored language. A missing
// key or value, a value that is not an integer and a number other than 1 to 3 all give English,
// so that the window never starts without texts.
void InitLanguage(SettingsStore& store);

// A language command: loads the table of `languageNumber`, makes it current and stores the
// number as "Lang" (creating the program's key if needed; nothing is written if the store refuses).
// A number other than 1 to 3 is taken and stored as given but loads no table; the stored number
// reads back as English at the next start.
void SetLanguage(int languageNumber, SettingsStore& store);

}  // namespace kelvo
