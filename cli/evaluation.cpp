#include "cli/evaluation.h"

#include <variant>

#include "gauges/gauge_tables.h"

namespace kelvo::cli {
namespace {

ClassResult EvaluateSide(double sizeMm, kelvo::Side side, int letter, int grade) {
    ClassResult result;
    result.Name = std::string(Letters(side)[letter]) + std::string(kGradeTexts[grade]);
    result.PartSide = side;
    result.Letter = letter;
    result.Grade = grade;
    result.Deviations = side == kelvo::Side::Hole ? HoleLimitDeviations(sizeMm, letter, grade)
                                                  : ShaftLimitDeviations(sizeMm, letter, grade);
    result.Shown = result.Deviations.Available && !IsNotAvailable(result.Deviations.UpperMm) &&
                   result.Deviations.ItMm > 0 && IsShownSize(sizeMm);
    result.UpperLimitMm = sizeMm + result.Deviations.UpperMm;
    result.LowerLimitMm = sizeMm + result.Deviations.LowerMm;
    return result;
}

// The model's gauge inputs for the sides present; an absent side stays unselected (-1).
GaugeInputs MakeGaugeInputs(const QueryResult& query) {
    GaugeInputs inputs;
    inputs.NominalSize = query.SizeMm;
    if (query.Hole) {
        inputs.HoleLetter = query.Hole->Letter;
        inputs.HoleGrade = query.Hole->Grade;
        inputs.HoleES = query.Hole->Deviations.UpperMm;
        inputs.HoleEI = query.Hole->Deviations.LowerMm;
        inputs.HoleGaugeRow = FindGaugeRow(query.Hole->Grade, query.SizeMm);
    }
    if (query.Shaft) {
        inputs.ShaftLetter = query.Shaft->Letter;
        inputs.ShaftGrade = query.Shaft->Grade;
        inputs.ShaftEs = query.Shaft->Deviations.UpperMm;
        inputs.ShaftEi = query.Shaft->Deviations.LowerMm;
        inputs.ShaftGaugeRow = FindGaugeRow(query.Shaft->Grade, query.SizeMm);
    }
    inputs.MasterRow = FindMasterRow(query.SizeMm);
    return inputs;
}

void AddGauges(QueryResult& query) {
    const GaugeInputs inputs = MakeGaugeInputs(query);
    if (query.Hole) {
        query.HoleGaugeSet = ComputeHoleGauges(inputs);
    }
    if (query.Shaft) {
        query.ShaftGaugeSet = ComputeShaftGauges(inputs);
    }
    query.MasterSet = ComputeSettingMasters(inputs);
}

}  // namespace

std::string QueryResult::DesignationText() const {
    if (IsFit) {
        return Hole->Name + "/" + Shaft->Name;
    }
    return Hole ? Hole->Name : Shaft->Name;
}

bool IsShownSize(double sizeMm) {
    return sizeMm > kMinNominalMm && sizeMm < kMaxNominalMm;
}

QueryResult EvaluateClass(double sizeMm, const ClassSelection& selection) {
    QueryResult query;
    query.SizeMm = sizeMm;
    ClassResult side = EvaluateSide(sizeMm, selection.Side, selection.Letter, selection.Grade);
    if (selection.Side == kelvo::Side::Hole) {
        query.Hole = std::move(side);
    } else {
        query.Shaft = std::move(side);
    }
    AddGauges(query);
    return query;
}

QueryResult EvaluateFit(double sizeMm, const FitSelection& selection) {
    QueryResult query;
    query.SizeMm = sizeMm;
    query.IsFit = true;
    query.Hole = EvaluateSide(sizeMm, kelvo::Side::Hole, selection.HoleLetter, selection.HoleGrade);
    query.Shaft =
        EvaluateSide(sizeMm, kelvo::Side::Shaft, selection.ShaftLetter, selection.ShaftGrade);
    if (query.Hole->Shown && query.Shaft->Shown) {
        query.Fit = ClassifyFit(query.Hole->Deviations.UpperMm, query.Hole->Deviations.LowerMm,
                                query.Shaft->Deviations.UpperMm, query.Shaft->Deviations.LowerMm);
    }
    AddGauges(query);
    return query;
}

QueryResult Evaluate(double sizeMm, const Designation& designation) {
    if (const auto* fit = std::get_if<FitSelection>(&designation)) {
        return EvaluateFit(sizeMm, *fit);
    }
    return EvaluateClass(sizeMm, std::get<ClassSelection>(designation));
}

}  // namespace kelvo::cli
