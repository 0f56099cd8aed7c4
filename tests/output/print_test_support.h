#pragma once
// Shared pieces of the output tests: two prints' records, a host that hands
// them over, and the fixture files.

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

#include "output/print_job.h"
#include "output/print_record_set.h"

namespace kelvo::test {

// Field values of one print, by code.
inline PrintRecord MakeRecord(const std::vector<std::pair<std::string, std::string>>& values) {
    PrintRecord record;
    for (const auto& [code, value] : values) {
        record.Set(*PrintFieldIndexOfCode(code), value);
    }
    return record;
}

// 10 H7/g6 printed first, then 25 H7/f7 in Bulgarian: the set holds the
// newer one first.
inline PrintRecordSet TwoPrints() {
    PrintRecordSet set;
    set.InsertNewest(MakeRecord({{"A01", "Standard tolerance (ISO 286:1988)"},
                                 {"A02", "10"},
                                 {"A03", "10 H7"},
                                 {"A07", "0.0150"},
                                 {"A15", "10 H7/g6"},
                                 {"A16", "Clearance fit"},
                                 {"A24", "0.00200"},
                                 {"A81", "[mm]"}}));
    set.InsertNewest(MakeRecord({{"A01", "Стандартен допуск (ISO 286:1988)"},
                                 {"A02", "25"},
                                 {"A03", "25 H7"},
                                 {"A07", "0.0210"},
                                 {"A15", "25 H7/f7"},
                                 {"A16", "Хлабина ± 2 µm"},
                                 {"A24", "0.00200"},
                                 {"A80", "a{b}\\c\r\nd"},
                                 {"A81", "[mm]"}}));
    return set;
}

// Hands the sets over with the start-at-first flag, as the main window does.
class FakeHost : public PrintHost {
  public:
    explicit FakeHost(std::vector<PrintRecordSet*> sets) : sets_(std::move(sets)) {}
    void Print(PrintJob& job) override {
        ++printCalls;
        if (throwOnPrint) {
            throw std::runtime_error("record could not be filled");
        }
        for (PrintRecordSet* set : sets_) {
            job.AddRecordSet(set, true);
        }
    }
    void Finished() override { ++finishedCalls; }

    int printCalls = 0;
    int finishedCalls = 0;
    bool throwOnPrint = false;

  private:
    std::vector<PrintRecordSet*> sets_;
};

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::filesystem::path DataFile(const std::string& name) {
    return std::filesystem::path(KELVO_TEST_DATA_DIR) / name;
}

// A fresh folder for one test, removed at the end.
class ScratchFolder {
  public:
    ScratchFolder() {
        path_ =
            std::filesystem::temp_directory_path() /
            ("kelvo-output-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }

  private:
    static inline int counter_ = 0;
    std::filesystem::path path_;
};

}  // namespace kelvo::test
