// Tolerances entered as limit sizes or limit deviations, and the grade they are given.

#include <cmath>

#include "core/iso286_tables.h"
#include "core/number_format.h"
#include "gauges/gauge_tables.h"
#include "model/language_keys.h"
#include "model/main_model.h"

namespace kelvo {

namespace {

struct SideFields {
    NonStdField UpperLimit, LowerLimit, UpperDev, LowerDev;
};

constexpr SideFields FieldsOf(Side side) {
    return side == Side::Hole
               ? SideFields{NonStdField::HoleUpperLimit, NonStdField::HoleLowerLimit,
                            NonStdField::HoleUpperDev, NonStdField::HoleLowerDev}
               : SideFields{NonStdField::ShaftUpperLimit, NonStdField::ShaftLowerLimit,
                            NonStdField::ShaftUpperDev, NonStdField::ShaftLowerDev};
}

// Deviations of an entered tolerance are differences of sizes (10.022 - 10), which
// carry binary noise in the last digits; they are kept on a grid of 1e-9 mm, far below
// any measurable size, so that they read as the values the user entered.
double OnPicometreGrid(double mm) {
    return std::round(mm * 1e9) / 1e9;
}

}  // namespace

double& MainWindowModel::Mem(NonStdField field) {
    switch (field) {
        case NonStdField::HoleUpperLimit:
            return HoleUpperLimitMem;
        case NonStdField::HoleLowerLimit:
            return HoleLowerLimitMem;
        case NonStdField::HoleUpperDev:
            return HoleUpperDevMem;
        case NonStdField::HoleLowerDev:
            return HoleLowerDevMem;
        case NonStdField::ShaftUpperLimit:
            return ShaftUpperLimitMem;
        case NonStdField::ShaftLowerLimit:
            return ShaftLowerLimitMem;
        case NonStdField::ShaftUpperDev:
            return ShaftUpperDevMem;
        case NonStdField::ShaftLowerDev:
            break;
    }
    return ShaftLowerDevMem;
}

std::string MainWindowModel::FieldText(double valueMm) const {
    // Inches are written with 5 decimals (halves to even); millimetres as they are.
    const double shown = InchMode ? RoundField(valueMm / kMmPerInch, 5) : valueMm;
    return FormatGeneral(shown, DecimalSeparator);
}

void MainWindowModel::WriteNonStdField(NonStdField field, double valueMm) {
    NonStdTexts[static_cast<int>(field)] = FieldText(valueMm);
}

double MainWindowModel::FieldValueMm(NonStdField field) const {
    return ParseFieldNumber(NonStdText(field)) * (InchMode ? kMmPerInch : 1.0);
}

void MainWindowModel::PrefillSide(Side side) {
    const bool hole = side == Side::Hole;
    const bool selected =
        hole ? (HoleLetter >= 0 && HoleGrade >= 0) : (ShaftLetter >= 0 && ShaftGrade >= 0);
    const double upper = hole ? HoleES : ShaftEs;
    const double lower = hole ? HoleEI : ShaftEi;
    const bool available = selected && upper < kNotAvailable;
    const double n = available ? NominalSize : 0;
    const double d = available ? upper : 0;
    const SideFields fields = FieldsOf(side);
    Mem(fields.UpperLimit) = n + d;
    Mem(fields.LowerLimit) = lower + n;
    Mem(fields.UpperDev) = d;
    Mem(fields.LowerDev) = lower;
    for (NonStdField field :
         {fields.UpperLimit, fields.LowerLimit, fields.UpperDev, fields.LowerDev}) {
        WriteNonStdField(field, Mem(field));
    }
}

void MainWindowModel::PrefillNonStandard() {
    NonStdDesignation = LangText(key::kNonStandard);
    PrefillSide(Side::Hole);
    PrefillSide(Side::Shaft);
}

int MainWindowModel::AssignGrade(double toleranceMm) const {
    const int row = FindSizeRow(Iso286Table::StandardTolerance, NominalSize);
    // The tolerance in tenths of a micrometre, truncated, against ten times each IT value.
    const double tenthsUm = std::trunc(toleranceMm * 10000.0);
    int gradeIndex = kGradeCount - 1;  // IT18 when no pair of grades brackets it
    for (int column = 2; column <= kGradeCount; ++column) {
        const double finer = 10.0 * StandardToleranceUm(row, column - 2);
        const double coarser = 10.0 * StandardToleranceUm(row, column - 1);
        if (finer < tenthsUm && tenthsUm <= coarser) {
            gradeIndex = ToleranceStandard == 0 ? column - 1 : column - 2;
        }
    }
    return gradeIndex;
}

void MainWindowModel::StoreEnteredTolerance(Side side, double upperDevMm, double lowerDevMm) {
    const bool hole = side == Side::Hole;
    (hole ? HoleES : ShaftEs) = OnPicometreGrid(upperDevMm);
    (hole ? HoleEI : ShaftEi) = OnPicometreGrid(lowerDevMm);
    double& it = hole ? HoleIT : ShaftIT;
    it = OnPicometreGrid(upperDevMm - lowerDevMm);
    (hole ? HoleGrade : ShaftGrade) = AssignGrade(it);
    if (hole) {
        HoleGaugeRow = FindGaugeRow(HoleGrade, NominalSize);
    } else {
        ShaftGaugeRow = FindGaugeRow(ShaftGrade, NominalSize);
        MasterRow = FindMasterRow(NominalSize);
    }
}

bool MainWindowModel::CheckEnteredOrder(Side side, double upper, double lower, int messageKey) {
    if (lower < upper) {
        return true;
    }
    // That side reads "N"; the other side is still calculated.
    (side == Side::Hole ? HoleES : ShaftEs) = kNotAvailable;
    if (view_ != nullptr) {
        view_->ShowMessage(LangText(messageKey));
    }
    return false;
}

void MainWindowModel::AcceptLimitSizes(Side side) {
    const SideFields fields = FieldsOf(side);
    const double upper = FieldValueMm(fields.UpperLimit);
    const double lower = FieldValueMm(fields.LowerLimit);
    if (!CheckEnteredOrder(side, upper, lower, key::kLimitSizeOrder)) {
        return;
    }
    Mem(fields.UpperLimit) = upper;
    Mem(fields.LowerLimit) = lower;
    StoreEnteredTolerance(side, upper - NominalSize, lower - NominalSize);
}

void MainWindowModel::AcceptLimitDeviations(Side side) {
    const SideFields fields = FieldsOf(side);
    const double upper = FieldValueMm(fields.UpperDev);
    const double lower = FieldValueMm(fields.LowerDev);
    // The deviation memories keep the prefilled values; only results change here.
    if (CheckEnteredOrder(side, upper, lower, key::kDeviationOrder)) {
        StoreEnteredTolerance(side, upper, lower);
    }
}

}  // namespace kelvo
