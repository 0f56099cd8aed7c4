#include "core/fit.h"

#include <cmath>

namespace kelvo {

FitCharacteristics ClassifyFit(double holeUpperMm, double holeLowerMm, double shaftUpperMm,
                               double shaftLowerMm) {
    // Negative values are interferences.
    const double smallestClearanceMm = holeLowerMm - shaftUpperMm;  // EI - es
    const double largestClearanceMm = holeUpperMm - shaftLowerMm;   // ES - ei
    const double smallestAbsMm = std::fabs(smallestClearanceMm);
    const double largestAbsMm = std::fabs(largestClearanceMm);

    if (smallestClearanceMm >= 0) {
        return {FitType::Clearance,
                fit_text::kClearanceFit,
                fit_text::kMaxClearance,
                fit_text::kMinClearance,
                largestAbsMm,
                smallestAbsMm,
                largestAbsMm - smallestAbsMm};
    }
    if (largestClearanceMm > 0) {
        return {FitType::Transition,
                fit_text::kTransitionFit,
                fit_text::kMaxClearance,
                fit_text::kMaxInterference,
                largestAbsMm,
                smallestAbsMm,
                largestAbsMm + smallestAbsMm};
    }
    return {FitType::Interference,
            fit_text::kInterferenceFit,
            fit_text::kMaxInterference,
            fit_text::kMinInterference,
            smallestAbsMm,
            largestAbsMm,
            smallestAbsMm - largestAbsMm};
}

}  // namespace kelvo
