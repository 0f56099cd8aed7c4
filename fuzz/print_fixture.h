#pragma once
// The print that the template fuzz targets fill: set A holds two records of the main window's
// fields (one with values that need escaping and non-ASCII text), set B holds none, and the code
// table is the main window's with a few codes of set B and one unknown field added.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "output/print_job.h"
#include "output/print_record_set.h"

namespace kelvo::fuzz {

inline PrintRecord FuzzRecord(std::string_view variant) {
    PrintRecord record;
    for (int field = 0; field < kPrintFieldCount; ++field) {
        record.Set(field, std::string(variant) + std::to_string(field));
    }
    return record;
}

inline CodeTable FuzzCodeTable() {
    std::vector<std::string> entries = MainWindowCodeTable().Entries();
    entries.insert(entries.end(), {"B01=Tip", "B02=NR", "A99=NoSuchField", "=", "a01=NR"});
    return CodeTable(std::move(entries));
}

// Two records in set A, an empty set B; set C is never handed over.
class FuzzPrint {
  public:
    FuzzPrint() {
        records_.InsertNewest(FuzzRecord("10 H7/g6 "));
        records_.InsertNewest(FuzzRecord("\xD0\x9F{\\}\r\n\xE2\x80\xA6 "));
        records_.SetLabel(1, "Label {1}");
    }

    void HandOver(PrintJob& job) {
        job.AddRecordSet(&records_, true);
        job.AddRecordSet(&empty_, true);
    }

  private:
    PrintRecordSet records_;
    PrintRecordSet empty_;
};

// A host with custom callbacks, so that E tokens and "?" parameters take their paths too.
class FuzzHost : public PrintHost {
  public:
    void Print(PrintJob& job) override { print_.HandOver(job); }
    std::optional<std::string> CustomToken(std::string_view tokenText) override {
        if (tokenText.empty()) {
            return std::nullopt;
        }
        return "[" + std::string(tokenText.substr(0, 8)) + "]";
    }
    std::optional<std::string> CustomField(const PrintRecordSet& set, int fieldIndex,
                                           std::string_view parameters) override {
        if (parameters == "none") {
            return std::nullopt;
        }
        return std::string(set.Value(fieldIndex)) + "?" + std::string(parameters);
    }

  private:
    FuzzPrint print_;
};

}  // namespace kelvo::fuzz
