#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace quillane::lanes {

// Sixteen bytes side by side, tested or changed all at once. Two versions do the same: a plain
// one in loops over the bytes, which every compiler builds, and one in the vector types of GCC
// and Clang, a few vector instructions each where the machine has them. `lanes::fast` is the
// vector one unless the compiler has none or the build asks for the plain one
// (QL_SCALAR_LANES); the tests hold the vector version to the plain one.
constexpr std::size_t kLanes = 16;

namespace scalar {

// The first byte of the sixteen that equals a or b; 16 when none does.
inline int FirstEqualEither(const std::uint8_t* bytes, std::uint8_t a, std::uint8_t b) {
  for (std::size_t i = 0; i < kLanes; ++i) {
    if (bytes[i] == a || bytes[i] == b) return static_cast<int>(i);
  }
  return static_cast<int>(kLanes);
}

// Whether one of the sixteen bytes has every bit of mask clear.
inline bool AnyWithBitsClear(const std::uint8_t* bytes, std::uint8_t mask) {
  for (std::size_t i = 0; i < kLanes; ++i) {
    if ((bytes[i] & mask) == 0) return true;
  }
  return false;
}

// Whether all sixteen bytes lie from low to high.
inline bool AllWithin(const std::uint8_t* bytes, std::uint8_t low, std::uint8_t high) {
  for (std::size_t i = 0; i < kLanes; ++i) {
    if (bytes[i] < low || bytes[i] > high) return false;
  }
  return true;
}

// The sixteen bytes to out, those from lane `from` on with only the bits of keep.
inline void CopyMaskedFrom(const std::uint8_t* bytes, int from, std::uint8_t keep, char* out) {
  for (std::size_t i = 0; i < kLanes; ++i) {
    const bool masked = static_cast<int>(i) >= from;
    out[i] = static_cast<char>(masked ? bytes[i] & keep : bytes[i]);
  }
}

// The sixteen lower-case hex digits of eight bytes, high nibble first.
inline void HexDigits(const std::uint8_t* bytes, char* out) {
  constexpr char kDigits[] = "0123456789abcdef";
  for (std::size_t i = 0; i < kLanes / 2; ++i) {
    out[2 * i] = kDigits[bytes[i] >> 4];
    out[2 * i + 1] = kDigits[bytes[i] & 0xF];
  }
}

}  // namespace scalar

#if defined(__GNUC__)
#define QL_HAVE_VECTOR_LANES 1
namespace vector {

using Bytes = std::uint8_t __attribute__((vector_size(16)));
using Bytes8 = std::uint8_t __attribute__((vector_size(8)));
using Signed = signed char __attribute__((vector_size(16)));
inline constexpr Bytes kLaneIndex = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};

inline Bytes Load(const std::uint8_t* bytes) {
  Bytes v;
  std::memcpy(&v, bytes, sizeof v);
  return v;
}

// A comparison gives a lane all ones where it holds: the first such lane, 16 when none.
template <typename Test>
int FirstHolding(const Test& test) {
  static_assert(sizeof test == kLanes);
  std::array<std::uint64_t, 2> halves;
  std::memcpy(halves.data(), &test, sizeof test);
  const auto first = [](std::uint64_t half) {
    return (std::endian::native == std::endian::little ? std::countr_zero(half)
                                                       : std::countl_zero(half)) /
           8;
  };
  return halves[0] != 0 ? first(halves[0]) : 8 + first(halves[1]);
}

inline int FirstEqualEither(const std::uint8_t* bytes, std::uint8_t a, std::uint8_t b) {
  const Bytes v = Load(bytes);
  return FirstHolding((v == a) | (v == b));
}

inline bool AnyWithBitsClear(const std::uint8_t* bytes, std::uint8_t mask) {
  return FirstHolding((Load(bytes) & mask) == 0) < static_cast<int>(kLanes);
}

inline bool AllWithin(const std::uint8_t* bytes, std::uint8_t low, std::uint8_t high) {
  const auto within = (Load(bytes) - low) <= static_cast<std::uint8_t>(high - low);
  std::uint64_t halves[2];
  std::memcpy(halves, &within, sizeof halves);
  return (halves[0] & halves[1]) == ~std::uint64_t{0};
}

inline void CopyMaskedFrom(const std::uint8_t* bytes, int from, std::uint8_t keep, char* out) {
  const auto before = reinterpret_cast<Bytes>(kLaneIndex < static_cast<std::uint8_t>(from));
  const Bytes shown = Load(bytes) & (before | keep);
  std::memcpy(out, &shown, sizeof shown);
}

inline void HexDigits(const std::uint8_t* bytes, char* out) {
  Bytes8 eight;
  std::memcpy(&eight, bytes, sizeof eight);
  // The eight bytes twice over fill a vector of sixteen, of which the first half counts; the
  // high and low nibbles are interleaved, high first, and each turned into its digit.
  const Bytes twice =
      __builtin_shufflevector(eight, eight, 0, 1, 2, 3, 4, 5, 6, 7, 0, 1, 2, 3, 4, 5, 6, 7);
  const Bytes high = twice >> 4, low = twice & 0xF;
  const auto nibbles = reinterpret_cast<Signed>(
      __builtin_shufflevector(high, low, 0, 16, 1, 17, 2, 18, 3, 19, 4, 20, 5, 21, 6, 22, 7, 23));
  const Signed digits = nibbles + '0' + ((nibbles > 9) & ('a' - '0' - 10));
  std::memcpy(out, &digits, sizeof digits);
}

}  // namespace vector
#endif

#if defined(QL_HAVE_VECTOR_LANES) && !defined(QL_SCALAR_LANES)
namespace fast = vector;
#else
namespace fast = scalar;
#endif

}  // namespace quillane::lanes
