// The window's texts that are data: print list texts, language commands, selector entries and the
// composed captions, in the languages the window can switch to.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "i18n/language_state.h"
#include "i18n/settings.h"
#include "i18n/window_texts.h"
#include "language_test_support.h"

namespace kelvo {
namespace {

using Items = std::vector<std::string>;

TEST(PrintListTexts, EachSlotInEachLanguage) {
    const struct {
        int slot;
        const char* english;
        const char* german;
        const char* bulgarian;
    } rows[] = {
        {1, "Templates", "Vorlagen", "Бланки"},
        {2, "", "", ""},
        {3, "", "", ""},
        {4, "Report templates", "Druckvorlagen", "Бланки за печат"},
        {5, "Add template", "Vorlage einfuegen", "Добавяне на бланка за печат"},
        {7, "Set template as default", "Voreinstellung",
         "Маркиране на бланката за печат по подразбиране"},
        {9, "Search file", "Vorlagedatei auswaehlen", "Избор на файл за бланката"},
        {12, "OK", "OK", "OK"},
        {13, "Cancel", "Abbruch", "Отказ"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(PrintListText(row.slot, kEnglish), row.english) << row.slot;
        EXPECT_EQ(PrintListText(row.slot, kGerman), row.german) << row.slot;
        EXPECT_EQ(PrintListText(row.slot, kBulgarian), row.bulgarian) << row.slot;
    }
}

TEST(PrintListTexts, NothingOutsideTheSlotsAndLanguages) {
    for (const int slot : {0, 14, -1}) {
        EXPECT_EQ(PrintListText(slot, kEnglish), "") << slot;
    }
    for (const int language : {0, 4}) {
        EXPECT_EQ(PrintListText(1, language), "") << language;
    }
}

TEST(PrintListTexts, SetHoldsSlotNAtIndexNMinusOne) {
    const PrintListTextSet german = PrintListTexts(kGerman);
    EXPECT_EQ(german[0], "Vorlagen");
    EXPECT_EQ(german[9], "Name");
    EXPECT_EQ(german[10], "Datei");
    EXPECT_EQ(german[12], "Abbruch");
}

TEST(PrintListTexts, SlotKeysThatAreNotNumbersGiveNothing) {
    EXPECT_EQ(TranslatePrintListSlot("6", kGerman), "Vorlage loeschen");
    EXPECT_EQ(TranslatePrintListSlot("11", kBulgarian), "Файл");
    for (const char* key : {"", "x", " 6", "6 ", "6a", "14", "0", "-1"}) {
        EXPECT_EQ(TranslatePrintListSlot(key, kEnglish), "") << '"' << key << '"';
    }
}

TEST(LanguageCommands, FixedCaptionsInMenuOrder) {
    ASSERT_EQ(kLanguageCommands.size(), 3u);
    EXPECT_EQ(kLanguageCommands[0].caption, "English");
    EXPECT_EQ(kLanguageCommands[0].languageNumber, kEnglish);
    EXPECT_EQ(kLanguageCommands[0].flagImageIndex, 7);
    EXPECT_EQ(kLanguageCommands[1].caption, "Deutsch");
    EXPECT_EQ(kLanguageCommands[1].languageNumber, kGerman);
    EXPECT_EQ(kLanguageCommands[1].flagImageIndex, 6);
    EXPECT_EQ(kLanguageCommands[2].caption, "Български");
    EXPECT_EQ(kLanguageCommands[2].languageNumber, kBulgarian);
    EXPECT_EQ(kLanguageCommands[2].flagImageIndex, 5);
}

class WindowTexts : public testing::FreshLanguageState {
  protected:
    void Use(int language) { SetLanguage(language, store); }
    MemorySettingsStore store;
};

TEST_F(WindowTexts, SelectorEntriesInEnglish) {
    Use(kEnglish);
    EXPECT_EQ(InputMethodItems(),
              (Items{"Standard tolerance (ISO 286:1988)", "Non-standard (Limit sizes)",
                     "Non-standard (Limit deviations)"}));
    EXPECT_EQ(FitSystemItems(), (Items{"Hole basis system", "Shaft basis system"}));
    EXPECT_EQ(FitTypeItems(), (Items{"Clearance fit", "Transition fit", "Interference fit"}));
    EXPECT_EQ(ApplicationAreaItems(),
              (Items{"Precision and general engineering", "Gauges and measuring instruments",
                     "Semi-products", "Structures", "Non-tolerated dimensions", "Select"}));
    EXPECT_EQ(DesignBasisItems(), (Items{"Hole basis system", "Shaft basis system",
                                         "Hole tolerance", "Shaft tolerance", "All combinations"}));
    EXPECT_EQ(ResultCountItems(), (Items{"10", "20", "50", "100", "all"}));
}

TEST_F(WindowTexts, LastResultCountEntryFollowsTheLanguage) {
    Use(kGerman);
    EXPECT_EQ(ResultCountItems().back(), "alle");
    EXPECT_EQ(FitTypeItems().front(), " Spielpassung");
    Use(kBulgarian);
    EXPECT_EQ(ResultCountItems().back(), "всички");
}

TEST_F(WindowTexts, SelectorsKeepTheirItemCountsInEveryLanguage) {
    for (const int language : {kBulgarian, kGerman, kEnglish}) {
        Use(language);
        EXPECT_EQ(InputMethodItems().size(), 3u);
        EXPECT_EQ(ApplicationAreaItems().size(), 6u);
        EXPECT_EQ(DesignBasisItems().size(), 5u);
        for (const auto& items : {InputMethodItems(), FitSystemItems(), FitTypeItems(),
                                  ApplicationAreaItems(), DesignBasisItems(), ResultCountItems()}) {
            for (const auto& item : items) {
                EXPECT_FALSE(item.empty()) << "language " << language;
            }
        }
    }
}

TEST_F(WindowTexts, UnitNoteEndsInTheDisplayUnit) {
    Use(kEnglish);
    EXPECT_EQ(UnitNote(true), "Values and tolerances in [in].");
    EXPECT_EQ(UnitNote(false), "Values and tolerances in [mm].");
}

TEST_F(WindowTexts, DesignLimitLabelsFollowTheTypeOfFit) {
    Use(kEnglish);
    const struct {
        int fitType;
        const char* maxLabel;
        const char* minLabel;
    } cases[] = {
        {-1, "Max. clear.", "Min. clear."},
        {0, "Max. clear.", "Min. clear."},
        {1, "Max. clear.", "Max. interf."},
        {2, "Max. interf.", "Min. interf."},
    };
    for (const auto& c : cases) {
        const DesignLimitLabels labels = DesignLimitLabelsFor(c.fitType);
        EXPECT_EQ(labels.maxLabel, c.maxLabel) << c.fitType;
        EXPECT_EQ(labels.minLabel, c.minLabel) << c.fitType;
    }
}

TEST_F(WindowTexts, ControlTextsNameEachControlOnceAndHaveATextInEveryLanguage) {
    std::set<std::string_view> controls;
    for (const ControlText& text : MainWindowControlTexts()) {
        EXPECT_TRUE(controls.insert(text.control).second) << text.control;
    }
    for (const int language : {kBulgarian, kGerman, kEnglish}) {
        Use(language);
        for (const ControlText& text : MainWindowControlTexts()) {
            EXPECT_FALSE(LangText(text.key).empty()) << text.control << " in " << language;
        }
    }
}

TEST_F(WindowTexts, ComposedCaptions) {
    const auto find = [](std::string_view control) {
        for (const ControlText& text : MainWindowControlTexts()) {
            if (text.control == control) {
                return text;
            }
        }
        ADD_FAILURE() << "no text for " << control;
        return ControlText{};
    };
    Use(kEnglish);
    EXPECT_EQ(ComposeText(find("frmZuzivOdi")), "KELVO Tolerances and gauges");
    EXPECT_EQ(ComposeText(find("Label29")), "Upper deviation (ES)");
    EXPECT_EQ(ComposeText(find("Label32")), "Lower deviation (ei)");
    EXPECT_EQ(find("btnPrint").property, TextProperty::Hint);
    EXPECT_EQ(ComposeText(find("btnPrint")), "Print");
    EXPECT_EQ(ComposeText(find("N9")), "About …");
    Use(kGerman);
    EXPECT_EQ(ComposeText(find("bbnSglobka")), " Normpassungen >>");
    EXPECT_EQ(ComposeText(find("TabSheet2")), " Bohrungslehren");
}

TEST(WithoutEnclosingCharacters, RemovesWholeCharacters) {
    EXPECT_EQ(WithoutEnclosingCharacters("(all)"), "all");
    EXPECT_EQ(WithoutEnclosingCharacters("(всички)"), "всички");
    EXPECT_EQ(WithoutEnclosingCharacters("«x»"), "x");
    EXPECT_EQ(WithoutEnclosingCharacters("ab"), "");
    EXPECT_EQ(WithoutEnclosingCharacters("a"), "");
    EXPECT_EQ(WithoutEnclosingCharacters("Ü"), "");
    EXPECT_EQ(WithoutEnclosingCharacters(""), "");
}

}  // namespace
}  // namespace kelvo
