#pragma once
// The unsigned widths of the stored layout. A narrower copy keeps the low
// bits, exactly as the record layout does: a ULONG 70000 copied into a USHORT
// reads 4464.
#include <array>
#include <cstddef>
#include <cstdint>

namespace vtl {

using Byte = std::uint8_t;
using UShort = std::uint16_t;
using ULong = std::uint32_t;
using Long = std::int32_t;

// Bytes of a shared record layout that this module does not use. They are
// read and written back unchanged.
template <std::size_t N>
using Gap = std::array<std::uint8_t, N>;

}  // namespace vtl
