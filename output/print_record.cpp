#include "output/print_record.h"

#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/number_format.h"
#include "i18n/window_texts.h"
#include "output/report_values.h"

namespace kelvo {
namespace {

// Field index of a code "A01".."A81".
constexpr int IndexOfCode(std::string_view code) {
    return (code[1] - '0') * 10 + (code[2] - '0') - 1;
}

struct WorkpieceField {
    std::string_view Code;
    std::string WorkpieceTexts::*Value;
};

constexpr std::array<WorkpieceField, 19> kWorkpieceFields = {{
    {"A03", &WorkpieceTexts::HoleDesignation},   // Oo
    {"A04", &WorkpieceTexts::ShaftDesignation},  // Ov
    {"A05", &WorkpieceTexts::HoleIT},            // Do
    {"A06", &WorkpieceTexts::ShaftIT},           // Dv
    {"A07", &WorkpieceTexts::HoleES},            // ESo
    {"A08", &WorkpieceTexts::ShaftEs},           // esv
    {"A09", &WorkpieceTexts::HoleEI},            // EIo
    {"A10", &WorkpieceTexts::ShaftEi},           // eiv
    {"A11", &WorkpieceTexts::HoleUpperLimit},    // GRgo
    {"A12", &WorkpieceTexts::ShaftUpperLimit},   // GRgv
    {"A13", &WorkpieceTexts::HoleLowerLimit},    // GRdo
    {"A14", &WorkpieceTexts::ShaftLowerLimit},   // GRdv
    {"A15", &WorkpieceTexts::FitDesignation},    // Ozn
    {"A16", &WorkpieceTexts::FitType},           // VSgl
    {"A17", &WorkpieceTexts::FitMaxLabel},       // MaxS
    {"A18", &WorkpieceTexts::FitMaxValue},       // MaxV
    {"A19", &WorkpieceTexts::FitMinLabel},       // MinS
    {"A20", &WorkpieceTexts::FitMinValue},       // MinV
    {"A21", &WorkpieceTexts::FitTolerance},      // DopS
}};

struct GaugeField {
    std::string_view Code;
    GaugeTexts GaugeSetTexts::*Gauge;
    std::string GaugeTexts::*Value;
};

using G = GaugeSetTexts;
using V = GaugeTexts;

// The field names keep their own scheme: for the ring gauges KGPRMn and KGHEMx hold the upper
// limits and KGPRM and KGHEM the lower ones.
constexpr std::array<GaugeField, 58> kGaugeFields = {{
    // Plug gauges.
    {"A22", &G::GoPlug, &V::Nominal},          // KPPRN
    {"A23", &G::NoGoPlug, &V::Nominal},        // KPHEN
    {"A24", &G::GoPlug, &V::HalfTolerance},    // KPPRG
    {"A25", &G::NoGoPlug, &V::HalfTolerance},  // KPHEG
    {"A26", &G::GoPlug, &V::Upper},            // KPPRM
    {"A27", &G::NoGoPlug, &V::Upper},          // KPHEM
    {"A28", &G::GoPlug, &V::Lower},            // KPPRMn
    {"A29", &G::NoGoPlug, &V::Lower},          // KPHEMn
    {"A30", &G::GoPlug, &V::WearLimit},        // KPPRMi
    {"A31", &G::GoPlug, &V::FormTolerance},    // KPPRD
    {"A32", &G::NoGoPlug, &V::FormTolerance},  // KPHED
    // Spherical plug gauges.
    {"A33", &G::GoSpherical, &V::Nominal},          // KPRN
    {"A34", &G::NoGoSpherical, &V::Nominal},        // KHEN
    {"A35", &G::GoSpherical, &V::HalfTolerance},    // KPRG
    {"A36", &G::NoGoSpherical, &V::HalfTolerance},  // KHEG
    {"A37", &G::GoSpherical, &V::Upper},            // KPRM
    {"A38", &G::NoGoSpherical, &V::Upper},          // KHEM
    {"A39", &G::GoSpherical, &V::Lower},            // KPRMn
    {"A40", &G::NoGoSpherical, &V::Lower},          // KHEMn
    {"A41", &G::GoSpherical, &V::WearLimit},        // KPRMi
    {"A42", &G::GoSpherical, &V::FormTolerance},    // KPRD
    {"A43", &G::NoGoSpherical, &V::FormTolerance},  // KHED
    // Ring gauges.
    {"A44", &G::GoRing, &V::Nominal},          // KGPRN
    {"A45", &G::NoGoRing, &V::Nominal},        // KGHEN
    {"A46", &G::GoRing, &V::HalfTolerance},    // KGPRG
    {"A47", &G::NoGoRing, &V::HalfTolerance},  // KGHEG
    {"A48", &G::GoRing, &V::Upper},            // KGPRMn
    {"A49", &G::NoGoRing, &V::Upper},          // KGHEMx
    {"A50", &G::GoRing, &V::Lower},            // KGPRM
    {"A51", &G::NoGoRing, &V::Lower},          // KGHEM
    {"A52", &G::GoRing, &V::WearLimit},        // KGPRMi
    {"A53", &G::GoRing, &V::FormTolerance},    // KGPRD
    {"A54", &G::NoGoRing, &V::FormTolerance},  // KGHED
    // Check plugs of snap gauges: GO, wear, NOT-GO.
    {"A55", &G::GoCheckPlug, &V::Nominal},          // PRN
    {"A56", &G::WearCheckPlug, &V::Nominal},        // INr
    {"A57", &G::NoGoCheckPlug, &V::Nominal},        // HEN
    {"A58", &G::GoCheckPlug, &V::HalfTolerance},    // PRG
    {"A59", &G::WearCheckPlug, &V::HalfTolerance},  // IG
    {"A60", &G::NoGoCheckPlug, &V::HalfTolerance},  // HEG
    {"A61", &G::GoCheckPlug, &V::Upper},            // PRMx
    {"A62", &G::WearCheckPlug, &V::Upper},          // IMx
    {"A63", &G::NoGoCheckPlug, &V::Upper},          // HEMx
    {"A64", &G::GoCheckPlug, &V::Lower},            // PRMn
    {"A65", &G::WearCheckPlug, &V::Lower},          // IMn
    {"A66", &G::NoGoCheckPlug, &V::Lower},          // HEMn
    {"A67", &G::GoCheckPlug, &V::FormTolerance},    // PRD
    {"A68", &G::WearCheckPlug, &V::FormTolerance},  // ID
    {"A69", &G::NoGoCheckPlug, &V::FormTolerance},  // HED
    // Setting ring and setting plug.
    {"A70", &G::SettingRing, &V::Nominal},        // EGN
    {"A71", &G::SettingPlug, &V::Nominal},        // EPN
    {"A72", &G::SettingRing, &V::HalfTolerance},  // EGG
    {"A73", &G::SettingPlug, &V::HalfTolerance},  // EPG
    {"A74", &G::SettingRing, &V::Upper},          // EGMx
    {"A75", &G::SettingPlug, &V::Upper},          // EPMx
    {"A76", &G::SettingRing, &V::Lower},          // EGMn
    {"A77", &G::SettingPlug, &V::Lower},          // EPMn
    {"A78", &G::SettingRing, &V::FormTolerance},  // EGD
    {"A79", &G::SettingPlug, &V::FormTolerance},  // EPD
}};

// The tables hold each code once, in code order, between A03 and A79.
template <typename Table>
constexpr bool RunsInCodeOrder(const Table& table, int firstIndex) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        const int index = IndexOfCode(table[i].Code);
        if (index != firstIndex + static_cast<int>(i) ||
            kPrintFields[index].Code != table[i].Code) {
            return false;
        }
    }
    return true;
}
static_assert(RunsInCodeOrder(kWorkpieceFields, IndexOfCode("A03")));
static_assert(RunsInCodeOrder(kGaugeFields, IndexOfCode("A22")));

constexpr int kTipIndex = IndexOfCode("A01");
constexpr int kNominalIndex = IndexOfCode("A02");
constexpr int kStandardIndex = IndexOfCode("A80");
constexpr int kUnitIndex = IndexOfCode("A81");
static_assert(kPrintFields[kUnitIndex].Name == "MEd");

std::string InputMethodText(int inputMethod) {
    const std::vector<std::string> items = InputMethodItems();
    return inputMethod >= 0 && inputMethod < static_cast<int>(items.size()) ? items[inputMethod]
                                                                            : std::string();
}

// The nominal field's text as typed. While the window shows inches the record carries the size
// in millimetres instead, like all its other values, so that the unit field names it rightly.
std::string NominalText(const MainWindowModel& m) {
    return m.InchMode ? FormatGeneral(m.NominalSize, m.DecimalSeparator) : m.NominalText;
}

// Only the non-standard input methods assign a grade by a standard.
std::string_view StandardText(const MainWindowModel& m) {
    if (m.InputMethod == static_cast<int>(InputMethodKind::Standard) || m.ToleranceStandard < 0 ||
        m.ToleranceStandard >= static_cast<int>(kToleranceStandardTexts.size())) {
        return {};
    }
    return kToleranceStandardTexts[m.ToleranceStandard];
}

}  // namespace

PrintRecord BuildPrintRecord(const MainWindowModel& model) {
    PrintRecord record;
    record.Set(kTipIndex, InputMethodText(model.InputMethod));
    record.Set(kNominalIndex, NominalText(model));
    const WorkpieceTexts workpiece = WorkpieceValueTexts(model);
    for (const WorkpieceField& field : kWorkpieceFields) {
        record.Set(IndexOfCode(field.Code), workpiece.*field.Value);
    }
    const GaugeSetTexts gauges = GaugeSetValueTexts(model);
    for (const GaugeField& field : kGaugeFields) {
        record.Set(IndexOfCode(field.Code), gauges.*field.Gauge.*field.Value);
    }
    record.Set(kStandardIndex, StandardText(model));
    record.Set(kUnitIndex, kPrintRecordUnit);
    return record;
}

void PrintListLite1Print(const MainWindowModel& model, PrintRecordSet& mdData1, PrintJob& job) {
    std::optional<std::string> error;
    try {
        mdData1.InsertNewest(BuildPrintRecord(model));
    } catch (const std::exception& e) {
        error = e.what();
    }
    job.AddRecordSet(&mdData1, true);
    if (error) {
        throw std::runtime_error(*error);
    }
}

}  // namespace kelvo
