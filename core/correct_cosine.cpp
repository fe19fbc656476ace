#include "core/correct_cosine.h"

#include <array>
#include <cassert>
#include <cmath>
#include <cstdint>

namespace lumiq {
namespace {

// ---- Double-double building blocks (exact error-free transformations) ----

struct DoubleDouble {
  double hi;
  double lo;
};

// a + b == hi + lo exactly, in any order of magnitude.
DoubleDouble TwoSum(double a, double b) {
  const double s = a + b;
  const double bb = s - a;
  const double err = (a - (s - bb)) + (b - bb);
  return {s, err};
}

// Veltkamp's split into two 26-bit halves, for an exact product without FMA.
DoubleDouble Split(double a) {
  constexpr double kSplitter = 134217729.0;  // 2^27 + 1
  const double t = kSplitter * a;
  const double hi = t - (t - a);
  return {hi, a - hi};
}

// a * b == hi + lo exactly (Dekker), barring overflow and underflow.
DoubleDouble TwoProduct(double a, double b) {
  const double p = a * b;
  const DoubleDouble as = Split(a);
  const DoubleDouble bs = Split(b);
  const double err = ((as.hi * bs.hi - p) + as.hi * bs.lo + as.lo * bs.hi) + as.lo * bs.lo;
  return {p, err};
}

// ---- Fast path: a table of cos and sin at multiples of 1/64 ----

struct TableEntry {
  double cosHi, cosLo, sinHi, sinLo;
};
constexpr TableEntry kTable[] = {
#include "core/cosine_table.inc"
};
constexpr double kTableStep = 64.0;
static_assert(std::size(kTable) == static_cast<std::size_t>(kCorrectCosineLimit * kTableStep) + 1);

// Below this, cos x lies above the midpoint 1 - 2^-54 and rounds to 1.
constexpr double kRoundsToOne = 0x1p-27;

// An absolute bound on the fast path's error: |cos b - (sum.hi + sum.lo)|, for
// |r| <= 2^-7 and u = 2^-53, term by term (largest first):
//   r - sin r in plain doubles: 6 roundings (q, r q, the 1/6 constant, the
//     last Horner step, the product) on r^3/6 <= 2^-23.6 ........... 2^-74.0
//   sinHi * bSeries rounded: u * 2^-23.6 ............................ 2^-76.6
//   the last additions of `small`, each below 2^-23.5 ............... 2^-76.5
//   sinLo * (r - sin r), left out: 2^-54 * 2^-23.6 .................. 2^-77.6
//   1 - cos r: q for r^2 in its r^4 terms, its four roundings ....... 2^-83.1
//   the rest (tables to 2^-107, series truncation, cosLo products) .. < 2^-86
// The sum is below 2^-73.4; the worst seen against MPFR was 2^-74.6, and
// within 1e-6 of pi/2 a bound of 2^-75 already lets wrong roundings through.
// The bound leaves a factor 2.6 over the sum, which also covers the roundings
// of sum.lo +- the bound in the rounding test.
constexpr double kFastPathError = 0x1p-72;

// ---- Slow path: fixed point with 256 fraction bits ----

// value = sum(limb[i] * 2^(32 i)) * 2^-256; limb[8] is the integer part.
constexpr int kLimbs = 9;
constexpr int kFractionBits = 256;
using Fixed = std::array<std::uint32_t, kLimbs>;

// Exact for 2^-27 <= x < 2^32: all 53 bits land among the 256 fraction bits
// and the 32 integer bits.
Fixed FromDouble(double x) {
  assert(x >= 0x1p-27 && x < 0x1p32);
  int exponent = 0;
  const double mantissa = std::frexp(x, &exponent);
  auto bits = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
  Fixed out{};
  const int shift = exponent - 53 + kFractionBits;
  for (int bit = 0; bits != 0; ++bit, bits >>= 1) {
    if (bits & 1u) {
      const int at = shift + bit;
      out[static_cast<std::size_t>(at / 32)] |= std::uint32_t{1} << (at % 32);
    }
  }
  return out;
}

Fixed One() {
  Fixed one{};
  one[kLimbs - 1] = 1;
  return one;
}

// (a * b) >> 256, truncated.
Fixed Multiply(const Fixed& a, const Fixed& b) {
  std::array<std::uint64_t, 2 * kLimbs> wide{};
  for (int i = 0; i < kLimbs; ++i) {
    std::uint64_t carry = 0;
    for (int j = 0; j < kLimbs; ++j) {
      const auto k = static_cast<std::size_t>(i + j);
      const std::uint64_t t =
          wide[k] + std::uint64_t{a[static_cast<std::size_t>(i)]} * b[static_cast<std::size_t>(j)] +
          carry;
      wide[k] = t & 0xffffffffu;
      carry = t >> 32;
    }
    wide[static_cast<std::size_t>(i + kLimbs)] += carry;
  }
  Fixed out{};
  for (int i = 0; i < kLimbs; ++i) {
    out[static_cast<std::size_t>(i)] =
        static_cast<std::uint32_t>(wide[static_cast<std::size_t>(i + 8)]);
  }
  return out;
}

Fixed DivideBy(Fixed a, std::uint32_t divisor) {
  std::uint64_t remainder = 0;
  for (int i = kLimbs - 1; i >= 0; --i) {
    const std::uint64_t t = (remainder << 32) | a[static_cast<std::size_t>(i)];
    a[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(t / divisor);
    remainder = t % divisor;
  }
  return a;
}

void AddTo(Fixed& a, const Fixed& b) {
  std::uint64_t carry = 0;
  for (std::size_t i = 0; i < kLimbs; ++i) {
    const std::uint64_t t = std::uint64_t{a[i]} + b[i] + carry;
    a[i] = static_cast<std::uint32_t>(t);
    carry = t >> 32;
  }
}

bool Less(const Fixed& a, const Fixed& b);

// a - b, for a >= b (the difference is not signed).
Fixed Subtract(const Fixed& a, const Fixed& b) {
  assert(!Less(a, b));
  Fixed out{};
  std::int64_t borrow = 0;
  for (std::size_t i = 0; i < kLimbs; ++i) {
    std::int64_t t = std::int64_t{a[i]} - b[i] - borrow;
    borrow = t < 0 ? 1 : 0;
    if (t < 0) t += std::int64_t{1} << 32;
    out[i] = static_cast<std::uint32_t>(t);
  }
  return out;
}

bool Less(const Fixed& a, const Fixed& b) {
  for (int i = kLimbs - 1; i >= 0; --i) {
    const auto k = static_cast<std::size_t>(i);
    if (a[k] != b[k]) return a[k] < b[k];
  }
  return false;
}

bool IsZero(const Fixed& a) {
  for (const std::uint32_t limb : a) {
    if (limb != 0) return false;
  }
  return true;
}

bool Bit(const Fixed& a, int at) {
  return at >= 0 && ((a[static_cast<std::size_t>(at / 32)] >> (at % 32)) & 1u) != 0;
}

// The double nearest a's value, ties to even.
double NearestDouble(const Fixed& a) {
  int top = kLimbs * 32 - 1;
  while (top >= 0 && !Bit(a, top)) --top;
  if (top < 0) return 0.0;
  const int lowest = top - 52;  // the 53 bits kept are top..lowest
  std::uint64_t mantissa = 0;
  for (int at = top; at >= lowest; --at) mantissa = (mantissa << 1) | (Bit(a, at) ? 1u : 0u);
  bool sticky = false;
  for (int at = lowest - 2; at >= 0 && !sticky; --at) sticky = Bit(a, at);
  if (Bit(a, lowest - 1) && (sticky || (mantissa & 1u) != 0)) ++mantissa;
  return std::ldexp(static_cast<double>(mantissa), lowest - kFractionBits);
}

}  // namespace

namespace detail {

// cos x as its Taylor series, positive and negative terms summed apart, each
// term truncated to 256 fraction bits. The total error is below 2^-240, far
// less than the hardest known cases of cosine need to round correctly.
double CosBySeries(double x) noexcept {
  const double b = std::fabs(x);
  if (b < kRoundsToOne) return 1.0;
  const Fixed bFixed = FromDouble(b);
  const Fixed square = Multiply(bFixed, bFixed);
  Fixed term = One();
  Fixed positive = One();
  Fixed negative{};
  for (std::uint32_t n = 1; n < 200; ++n) {
    term = DivideBy(Multiply(term, square), (2 * n - 1) * (2 * n));
    if (IsZero(term)) break;
    AddTo(n % 2 == 1 ? negative : positive, term);
  }
  if (Less(positive, negative)) return -NearestDouble(Subtract(negative, positive));
  return NearestDouble(Subtract(positive, negative));
}

}  // namespace detail

double CorrectlyRoundedCos(double x) noexcept {
  const double b = std::fabs(x);
  if (!(b <= kCorrectCosineLimit)) return std::cos(x);  // NaN too
  if (b < kRoundsToOne) return 1.0;

  // b = t + r with t = j/64 the nearest table point and |r| <= 1/128. j is
  // found exactly: b * 64 and its fraction are exact, where b * 64 + 0.5
  // would round up to the next integer just below a half. Then r is exact
  // too: for j > 0, t/2 <= b <= 2t (Sterbenz).
  const double scaled = b * kTableStep;
  int j = static_cast<int>(scaled);
  if (scaled - j >= 0.5) ++j;
  const TableEntry& e = kTable[j];
  const double r = b - j / kTableStep;

  // cos(t + r) = C - S r - C A + S B, with A = 1 - cos r and B = r - sin r.
  const DoubleDouble r2 = TwoProduct(r, r);
  const double q = r2.hi;
  const double aHi = 0.5 * r2.hi;  // exact
  const double aLo = 0.5 * r2.lo + q * q * (-1.0 / 24 + q * (1.0 / 720 - q * (1.0 / 40320)));
  const double bSeries =
      r * q * (1.0 / 6 - q * (1.0 / 120 - q * (1.0 / 5040 - q * (1.0 / 362880))));

  const DoubleDouble sr = TwoProduct(e.sinHi, r);
  const DoubleDouble ca = TwoProduct(e.cosHi, aHi);
  const DoubleDouble s1 = TwoSum(e.cosHi, -sr.hi);
  const DoubleDouble s2 = TwoSum(s1.hi, -ca.hi);
  const double small = (e.cosLo - e.sinLo * r - sr.lo - ca.lo + s1.lo + s2.lo) -
                       (e.cosHi * aLo + e.cosLo * aHi) + e.sinHi * bSeries;
  const DoubleDouble sum = TwoSum(s2.hi, small);

  // The true value lies within kFastPathError of sum.hi + sum.lo: when both
  // ends of that interval round to the same double, so does the true value.
  const double low = sum.hi + (sum.lo - kFastPathError);
  const double high = sum.hi + (sum.lo + kFastPathError);
  if (low == high) return low;
  return detail::CosBySeries(b);
}

}  // namespace lumiq
