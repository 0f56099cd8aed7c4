#pragma once
// Which class catalogues and which standard fit list apply at a nominal size.

namespace kelvo {

// The lists change at 500 mm: the first band includes 500 mm itself.
enum class SizeBand { UpTo500, Over500 };

inline constexpr double kSizeBandLimitMm = 500.0;

SizeBand SizeBandOf(double nominalMm);

}  // namespace kelvo
