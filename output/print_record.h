#pragma once
// The main window's side of a print: the record of all its results that a template names by the
// codes A01 to A81, and the print callback that adds it to the window's record set and hands the
// set to the template engine. The values are those of the clipboard report, in millimetres
// whatever the display unit; every field holds UTF-8 cut to its length at a character boundary.

#include <array>
#include <string_view>

#include "model/main_model.h"
#include "output/print_job.h"
#include "output/print_record_set.h"

namespace kelvo {

// The entries of the standard selector (cbStTGR), in ToleranceStandard order.
inline constexpr std::array<std::string_view, 2> kToleranceStandardTexts = {"ISO 286-1:1988",
                                                                            "ISO/R 1938:1971"};

// The unit text of the record (field MEd): its values are millimetres in either display unit.
inline constexpr std::string_view kPrintRecordUnit = "[mm]";

// One record of the current results, labels in the current language.
PrintRecord BuildPrintRecord(const MainWindowModel& model);

// The print callback: inserts a new record before the current one of `mdData1` (so the newest
// comes first and earlier prints stay), positions the set on it and hands the set over as the
// print's first record set with its start-at-first flag. Should the record fail to be built,
// the set is still handed over as it is and the error is rethrown afterwards, so that the engine
// shows it and the print goes on with what the set holds.
void PrintListLite1Print(const MainWindowModel& model, PrintRecordSet& mdData1, PrintJob& job);

// A print host for a window (or a command) that has nothing to add to the record: it owns the
// record set, which lives as long as the host and is never emptied.
class MainWindowPrintHost : public PrintHost {
  public:
    explicit MainWindowPrintHost(const MainWindowModel& model) : model_(model) {}

    void Print(PrintJob& job) override { PrintListLite1Print(model_, mdData1_, job); }
    const PrintRecordSet& Records() const { return mdData1_; }

  private:
    const MainWindowModel& model_;
    PrintRecordSet mdData1_;
};

}  // namespace kelvo
