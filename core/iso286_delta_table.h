#pragma once
// Δ values of holes K, M and N (grades up to IT8) and P to ZC (grades up to IT7).
//
// Source: ISO 286-1:1988, Table 3, columns "Values for Δ". Unit: µm.
// There are no Δ values above 500 mm.

#include <array>

#include "core/iso286_tables.h"

namespace kelvo::iso286 {

struct DeltaRow {
    int upToMm;                     // size range: over the previous bound up to this one
    std::array<double, 6> deltaUm;  // IT3, IT4, IT5, IT6, IT7, IT8
};

// clang-format off
inline constexpr std::array<DeltaRow, 25> kDeltaRows = {{
    // up to  IT3  IT4  IT5  IT6  IT7  IT8
    {    3, {   0,   0,   0,   0,   0,   0}},
    {    6, {   1, 1.5,   1,   3,   4,   6}},
    {   10, {   1, 1.5,   2,   3,   6,   7}},
    {   14, {   1,   2,   3,   3,   7,   9}},
    {   18, {   1,   2,   3,   3,   7,   9}},
    {   24, { 1.5,   2,   3,   4,   8,  12}},
    {   30, { 1.5,   2,   3,   4,   8,  12}},
    {   40, { 1.5,   3,   4,   5,   9,  14}},
    {   50, { 1.5,   3,   4,   5,   9,  14}},
    {   65, {   2,   3,   5,   6,  11,  16}},
    {   80, {   2,   3,   5,   6,  11,  16}},
    {  100, {   2,   4,   5,   7,  13,  19}},
    {  120, {   2,   4,   5,   7,  13,  19}},
    {  140, {   3,   4,   6,   7,  15,  23}},
    {  160, {   3,   4,   6,   7,  15,  23}},
    {  180, {   3,   4,   6,   7,  15,  23}},
    {  200, {   3,   4,   6,   9,  17,  26}},
    {  225, {   3,   4,   6,   9,  17,  26}},
    {  250, {   3,   4,   6,   9,  17,  26}},
    {  280, {   4,   4,   7,   9,  20,  29}},
    {  315, {   4,   4,   7,   9,  20,  29}},
    {  355, {   4,   5,   7,  11,  21,  32}},
    {  400, {   4,   5,   7,  11,  21,  32}},
    {  450, {   5,   5,   7,  13,  23,  34}},
    {  500, {   5,   5,   7,  13,  23,  34}},
}};
// clang-format on

static_assert(BoundsAscend(kDeltaRows));
static_assert(kDeltaRows.front().upToMm == 3);
static_assert(kDeltaRows.back().upToMm == 500);

}  // namespace kelvo::iso286
