#pragma once
// The columns from which the gauge tolerance table is assembled: one value per size range, in
// micrometres. IT1 to IT7 are the standard tolerances of ISO 286-1:1988, Table 1, over the gauge
// size ranges; G1 to G30 are the gauge maker's positions, wear allowances and safety zones of
// ISO/R 1938:1971 and DIN 7150-2 (z, y, alpha, z1, y1) and the gauge tolerance of grade-5 plugs.

#include <array>

namespace kelvo::gauge_data {

inline constexpr int kSizeRangeCount = 13;

// Upper bounds of the size ranges, mm; a range includes its bound and excludes the one before.
inline constexpr std::array<double, kSizeRangeCount> kSizeBoundsMm = {
    3, 6, 10, 18, 30, 50, 80, 120, 180, 250, 315, 400, 500};

using SizeVector = std::array<double, kSizeRangeCount>;  // µm, one value per size range

// clang-format off
enum class VectorId {
    IT1, IT2, IT3, IT4, IT5, IT6, IT7,
    G1, G2, G3, G4, G5, G6, G7, G8, G9, G10,
    G11, G12, G13, G14, G15, G16, G17, G18, G19, G20,
    G21, G22, G23, G24, G25, G26, G27, G28, G29, G30,
    Count
};
// clang-format on

inline constexpr int kVectorCount = static_cast<int>(VectorId::Count);

// clang-format off
inline constexpr std::array<SizeVector, kVectorCount> kVectorsUm = {{
    // up to mm    3     6    10    18    30    50    80   120   180   250   315   400   500
    /* IT1  */ { 0.8,    1,    1,  1.2,  1.5,  1.5,    2,  2.5,  3.5,  4.5,    6,    7,    8},
    /* IT2  */ { 1.2,  1.5,  1.5,    2,  2.5,  2.5,    3,    4,    5,    7,    8,    9,   10},
    /* IT3  */ {   2,  2.5,  2.5,    3,    4,    4,    5,    6,    8,   10,   12,   13,   15},
    /* IT4  */ {   3,    4,    4,    5,    6,    7,    8,   10,   12,   14,   16,   18,   20},
    /* IT5  */ {   4,    5,    6,    8,    9,   11,   13,   15,   18,   20,   23,   25,   27},
    /* IT6  */ {   6,    8,    9,   11,   13,   16,   19,   22,   25,   29,   32,   36,   40},
    /* IT7  */ {  10,   12,   15,   18,   21,   25,   30,   35,   40,   46,   52,   57,   63},
    /* G1   */ { 0.8,    1,  1.5,    2,  2.5,  2.5,    3,    4,    5,    7,    8,    9,   10},
    /* G2   */ {   1,  1.5,  1.5,    2,    2,  2.5,  2.5,    3,    4,    5,    6,    7,    8},
    /* G3   */ {   1,    1,    1,  1.5,  1.5,    2,    2,    3,    3,    4,    5,    6,    7},
    /* G4   */ {   0,    0,    0,    0,    0,    0,    0,    0,    0,    1,  1.5,  2.5,    3},
    /* G5   */ {   1,    1,    1,  1.5,  1.5,    2,    2,  2.5,    3,    4,    5,    6,    7},
    /* G6   */ {   1,    1,    1,  1.5,    2,    2,    2,    3,    3,    3,    3,    4,    4},
    /* G7   */ {   0,    0,    0,    0,    0,    0,    0,    0,    0,    2,    3,    4,    5},
    /* G8   */ { 1.5,    2,    2,  2.5,    3,  3.5,    4,    5,    6,    7,    8,   10,   11},
    /* G9   */ { 1.5,  1.5,  1.5,    2,    3,    3,    3,    4,    4,    5,    6,    6,    7},
    /* G10  */ { 1.5,  1.5,  1.5,    2,    3,    3,    3,    4,    4,    6,    7,    8,    9},
    /* G11  */ {   0,    0,    0,    0,    0,    0,    0,    0,    0,    3,    4,    6,    7},
    /* G12  */ {   2,    3,    3,    4,    5,    6,    7,    8,    9,   12,   14,   16,   18},
    /* G13  */ {   3,    3,    3,    4,    4,    5,    5,    6,    6,    7,    9,    9,   11},
    /* G14  */ {   0,    0,    0,    0,    0,    0,    0,    0,    0,    4,    6,    7,    9},
    /* G15  */ {   5,    6,    7,    8,    9,   11,   13,   15,   18,   21,   24,   28,   32},
    /* G16  */ {   0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0},
    /* G17  */ {   5,    6,    7,    8,    9,   11,   13,   15,   18,   24,   27,   32,   37},
    /* G18  */ {   0,    0,    0,    0,    0,    0,    0,    0,    0,    7,    9,   11,   14},
    /* G19  */ {  10,   12,   14,   16,   19,   22,   25,   28,   32,   40,   45,   50,   55},
    /* G20  */ {   0,    0,    0,    0,    0,    0,    0,    0,    0,   10,   15,   15,   20},
    /* G21  */ {  10,   12,   14,   16,   19,   22,   25,   28,   32,   45,   50,   65,   70},
    /* G22  */ {   0,    0,    0,    0,    0,    0,    0,    0,    0,   15,   20,   30,   35},
    /* G23  */ {  20,   24,   28,   32,   36,   42,   48,   54,   60,   80,   90,  100,  110},
    /* G24  */ {   0,    0,    0,    0,    0,    0,    0,    0,    0,   25,   35,   45,   55},
    /* G25  */ {  20,   24,   28,   32,   36,   42,   48,   54,   60,  100,  110,  125,  145},
    /* G26  */ {   0,    0,    0,    0,    0,    0,    0,    0,    0,   45,   55,   70,   90},
    /* G27  */ {  40,   48,   56,   64,   72,   80,   90,  100,  110,  170,  190,  210,  240},
    /* G28  */ {   0,    0,    0,    0,    0,    0,    0,    0,    0,   70,   90,  110,  140},
    /* G29  */ {  40,   48,   56,   64,   72,   80,   90,  100,  110,  210,  240,  280,  320},
    /* G30  */ {   0,    0,    0,    0,    0,    0,    0,    0,    0,  110,  140,  180,  220},
}};
// clang-format on

static_assert(kVectorCount == 37);

constexpr const SizeVector& Vector(VectorId id) {
    return kVectorsUm[static_cast<int>(id)];
}

constexpr bool BoundsAscend() {
    for (int range = 1; range < kSizeRangeCount; ++range) {
        if (kSizeBoundsMm[range] <= kSizeBoundsMm[range - 1]) {
            return false;
        }
    }
    return true;
}
static_assert(BoundsAscend());
static_assert(kSizeBoundsMm[kSizeRangeCount - 1] == 500);

}  // namespace kelvo::gauge_data
