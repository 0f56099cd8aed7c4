#include "design/size_band.h"

namespace kelvo {

SizeBand SizeBandOf(double nominalMm) {
    return nominalMm > kSizeBandLimitMm ? SizeBand::Over500 : SizeBand::UpTo500;
}

}  // namespace kelvo
