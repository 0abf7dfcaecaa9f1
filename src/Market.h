#pragma once
// The market the program shows: one linear demand function and one linear supply function of the
// price.

#include <cstdint>

// Quantities are computed exactly: a 32-bit price keeps both within 64 bits, and every such result
// is a whole number a double holds exactly, so no price yields a wrapped-around quantity.
constexpr double Demand(std::int64_t P) {
    return static_cast<double>(4750 - 350 * P);
}

constexpr double Supply(std::int64_t P) {
    return static_cast<double>(1600 + 100 * P);
}
