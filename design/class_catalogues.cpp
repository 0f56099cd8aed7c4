#include "design/class_catalogues.h"

#include <algorithm>
#include <string>
#include <vector>

namespace kelvo {
namespace {

// One letter with a contiguous run of grade numbers, e.g. {"A", 9, 13} for
// A9, A10, A11, A12, A13.
struct GradeRun {
    std::string_view Letter;
    int FirstGrade;
    int LastGrade;
};

constexpr int EntryCount(std::span<const GradeRun> runs) {
    int count = 0;
    for (const GradeRun& run : runs) {
        count += run.LastGrade - run.FirstGrade + 1;
    }
    return count;
}

constexpr GradeRun kHoleRunsUpTo500[] = {
    {"A", 9, 13},  {"B", 8, 13},  {"C", 8, 13},  {"CD", 6, 10}, {"D", 6, 13}, {"E", 5, 10},
    {"EF", 3, 10}, {"F", 3, 10},  {"FG", 3, 10}, {"G", 3, 10},  {"H", 1, 18}, {"JS", 1, 18},
    {"J", 6, 8},   {"K", 3, 8},   {"M", 3, 10},  {"N", 3, 11},  {"P", 3, 10}, {"R", 3, 10},
    {"S", 3, 10},  {"T", 5, 8},   {"U", 5, 10},  {"V", 5, 8},   {"X", 5, 10}, {"Y", 6, 10},
    {"Z", 6, 11},  {"ZA", 6, 11}, {"ZB", 7, 11}, {"ZC", 7, 11},
};
static_assert(EntryCount(kHoleRunsUpTo500) == 201);

constexpr GradeRun kShaftRunsUpTo500[] = {
    {"a", 9, 13},  {"b", 9, 13},  {"c", 8, 12},  {"cd", 5, 10}, {"d", 5, 13}, {"e", 5, 10},
    {"ef", 3, 10}, {"f", 3, 10},  {"fg", 3, 10}, {"g", 3, 10},  {"h", 1, 18}, {"js", 1, 18},
    {"j", 5, 7},   {"k", 3, 13},  {"m", 3, 9},   {"n", 3, 9},   {"p", 3, 10}, {"r", 3, 10},
    {"s", 3, 10},  {"t", 5, 8},   {"u", 5, 9},   {"v", 5, 8},   {"x", 5, 10}, {"y", 6, 10},
    {"z", 6, 11},  {"za", 6, 11}, {"zb", 7, 11}, {"zc", 7, 11},
};
static_assert(EntryCount(kShaftRunsUpTo500) == 202);

constexpr GradeRun kHoleRunsOver500[] = {
    {"D", 6, 13}, {"E", 6, 10}, {"F", 6, 9}, {"G", 6, 8}, {"H", 1, 18}, {"JS", 1, 18}, {"K", 6, 8},
    {"M", 6, 8},  {"N", 6, 9},  {"P", 6, 9}, {"R", 6, 8}, {"S", 6, 8},  {"T", 6, 8},   {"U", 6, 8},
};
static_assert(EntryCount(kHoleRunsOver500) == 82);

// g8 is not offered above 500 mm, so g takes two runs.
constexpr GradeRun kShaftRunsOver500[] = {
    {"d", 7, 11}, {"e", 6, 10},  {"f", 6, 9},  {"g", 5, 7}, {"g", 9, 9},
    {"h", 1, 18}, {"js", 1, 18}, {"k", 5, 13}, {"m", 5, 7}, {"n", 5, 7},
    {"p", 5, 8},  {"r", 5, 8},   {"s", 5, 8},  {"t", 5, 7}, {"u", 6, 8},
};
static_assert(EntryCount(kShaftRunsOver500) == 87);

// The classes that every list of classes shows in bold type.
constexpr std::string_view kPreferredHolesUpTo500[] = {"A11", "B11", "C11", "D10", "E9",  "F8",
                                                       "G7",  "H7",  "H8",  "H9",  "H11", "JS7",
                                                       "K7",  "N7",  "P7",  "R7",  "S7"};
constexpr std::string_view kPreferredShaftsUpTo500[] = {"a11", "b11", "c11", "d9", "e8",  "f7",
                                                        "g6",  "h6",  "h7",  "h9", "h11", "js6",
                                                        "k6",  "n6",  "p6",  "r6", "s6"};
constexpr std::string_view kPreferredHolesOver500[] = {"D10", "E9",  "F8", "G7", "H7", "H8", "H9",
                                                       "H11", "JS7", "K7", "N7", "P7", "R7", "S7"};
constexpr std::string_view kPreferredShaftsOver500[] = {"d9",  "e8",  "f7", "g6", "h6", "h7", "h9",
                                                        "h11", "js6", "k6", "n6", "p6", "r6", "s6"};

// A catalogue expanded once from its runs. The entries view the names held
// here, so a catalogue is never copied.
class ExpandedCatalogue {
  public:
    ExpandedCatalogue(std::span<const GradeRun> runs, std::span<const std::string_view> preferred) {
        names_.reserve(static_cast<std::size_t>(EntryCount(runs)));
        for (const GradeRun& run : runs) {
            for (int grade = run.FirstGrade; grade <= run.LastGrade; ++grade) {
                names_.push_back(std::string(run.Letter) + std::to_string(grade));
            }
        }
        // Views are taken only after every name is in place.
        entries_.reserve(names_.size());
        for (const std::string& name : names_) {
            const bool isPreferred =
                std::find(preferred.begin(), preferred.end(), name) != preferred.end();
            entries_.push_back({name, isPreferred});
        }
    }
    ExpandedCatalogue(const ExpandedCatalogue&) = delete;
    ExpandedCatalogue& operator=(const ExpandedCatalogue&) = delete;

    std::span<const ClassEntry> Entries() const { return entries_; }

  private:
    std::vector<std::string> names_;
    std::vector<ClassEntry> entries_;
};

}  // namespace

std::span<const ClassEntry> HoleClassCatalogue(SizeBand band) {
    static const ExpandedCatalogue upTo500(kHoleRunsUpTo500, kPreferredHolesUpTo500);
    static const ExpandedCatalogue over500(kHoleRunsOver500, kPreferredHolesOver500);
    return band == SizeBand::UpTo500 ? upTo500.Entries() : over500.Entries();
}

std::span<const ClassEntry> ShaftClassCatalogue(SizeBand band) {
    static const ExpandedCatalogue upTo500(kShaftRunsUpTo500, kPreferredShaftsUpTo500);
    static const ExpandedCatalogue over500(kShaftRunsOver500, kPreferredShaftsOver500);
    return band == SizeBand::UpTo500 ? upTo500.Entries() : over500.Entries();
}

std::span<const ClassEntry> ClassCatalogue(Side side, SizeBand band) {
    return side == Side::Hole ? HoleClassCatalogue(band) : ShaftClassCatalogue(band);
}

bool IsPreferredClass(std::string_view name, Side side, SizeBand band) {
    const auto catalogue = ClassCatalogue(side, band);
    return std::any_of(catalogue.begin(), catalogue.end(), [name](const ClassEntry& entry) {
        return entry.Preferred && entry.Name == name;
    });
}

}  // namespace kelvo
