// x^n for small positive integer exponents, correctly rounded but for the rarest cases.
#pragma once

namespace orvella {

// The smallest and largest exponents IntegerPower takes.
inline constexpr int kMinIntegerPower = 3;
inline constexpr int kMaxIntegerPower = 32;

// The power carried in double-double arithmetic (an exact product at every step, from
// fma) and rounded once at the end: several times faster than pow, and at least as
// accurate. Overflow, and results small enough that the exact products would underflow,
// go to pow.
double IntegerPower(double x, int n);

}  // namespace orvella
