#pragma once
// The value types of field files and their bytes. A field file holds one value's bytes exactly,
// with no header, length or terminator; numbers are little-endian whatever the host's order is.

#include <bit>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "api/date_time_text.h"
#include "platform/gbk_codec.h"
#include "store/ole_date.h"

namespace verdomo {

using ByteArray = std::vector<std::uint8_t>;

// A procedure address kept as the 4-byte integer of its field. It names no code: an address
// means nothing in another run or another build.
enum class ProcAddress : std::uint32_t {};

static_assert(std::numeric_limits<float>::is_iec559 && std::numeric_limits<double>::is_iec559);

// FieldCodec<T>: kMinimumSize, the bytes a read needs before it can decode a T (a shorter file
// is a failed read, never a read past its end); encode, the bytes a write stores; decode, the
// value read from the first byte of a file of at least kMinimumSize bytes.
template <typename T>
struct FieldCodec;

// Integers: two's complement in their own width. A boolean is kept as an int instead.
template <typename T>
concept FieldInteger = std::integral<T> && !std::same_as<T, bool>;

template <FieldInteger T>
struct FieldCodec<T> {
  static constexpr std::size_t kMinimumSize = sizeof(T);
  static std::string encode(T value) {
    const auto bits = static_cast<std::uint64_t>(static_cast<std::make_unsigned_t<T>>(value));
    std::string bytes(sizeof(T), '\0');
    for (std::size_t i = 0; i < sizeof(T); ++i) {
      bytes[i] = static_cast<char>(bits >> (8 * i));
    }
    return bytes;
  }
  static T decode(std::string_view bytes) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
      bits |= std::uint64_t{static_cast<unsigned char>(bytes[i])} << (8 * i);
    }
    return static_cast<T>(static_cast<std::make_unsigned_t<T>>(bits));
  }
};

// A type kept in the bytes of `Stored`.
template <typename Stored>
struct StoredAs {
  static constexpr std::size_t kMinimumSize = FieldCodec<Stored>::kMinimumSize;
};

template <>
struct FieldCodec<float> : StoredAs<std::uint32_t> {
  static std::string encode(float value) {
    return FieldCodec<std::uint32_t>::encode(std::bit_cast<std::uint32_t>(value));
  }
  static float decode(std::string_view bytes) {
    return std::bit_cast<float>(FieldCodec<std::uint32_t>::decode(bytes));
  }
};

template <>
struct FieldCodec<double> : StoredAs<std::uint64_t> {
  static std::string encode(double value) {
    return FieldCodec<std::uint64_t>::encode(std::bit_cast<std::uint64_t>(value));
  }
  static double decode(std::string_view bytes) {
    return std::bit_cast<double>(FieldCodec<std::uint64_t>::decode(bytes));
  }
};

// A boolean is the 4-byte integer 1 or 0; any other non-zero integer reads as true.
template <>
struct FieldCodec<bool> : StoredAs<std::int32_t> {
  static std::string encode(bool value) { return FieldCodec<std::int32_t>::encode(value ? 1 : 0); }
  static bool decode(std::string_view bytes) {
    return FieldCodec<std::int32_t>::decode(bytes) != 0;
  }
};

template <>
struct FieldCodec<LocalDateTime> : StoredAs<double> {
  static std::string encode(const LocalDateTime& value) {
    return FieldCodec<double>::encode(toOleDate(value));
  }
  static LocalDateTime decode(std::string_view bytes) {
    return fromOleDate(FieldCodec<double>::decode(bytes));
  }
};

template <>
struct FieldCodec<ProcAddress> : StoredAs<std::uint32_t> {
  static std::string encode(ProcAddress value) {
    return FieldCodec<std::uint32_t>::encode(static_cast<std::uint32_t>(value));
  }
  static ProcAddress decode(std::string_view bytes) {
    return ProcAddress{FieldCodec<std::uint32_t>::decode(bytes)};
  }
};

// A text is its GBK bytes; reading stops at the first zero byte.
template <>
struct FieldCodec<GbkText> {
  static constexpr std::size_t kMinimumSize = 1;
  static GbkText decode(std::string_view bytes) {
    return GbkText(bytes.substr(0, bytes.find('\0')));
  }
};

// A byte array is its bytes as they are, zero bytes included.
template <>
struct FieldCodec<ByteArray> {
  static constexpr std::size_t kMinimumSize = 1;
  static ByteArray decode(std::string_view bytes) { return ByteArray(bytes.begin(), bytes.end()); }
};

}  // namespace verdomo
