#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

// CP932, Shift_JIS as Windows writes it, as the program's own table: the
// same conversion on every system, with no converter of the system's.
// Single bytes are ASCII (0x00 to 0x7F) and the half-width katakana (0xA1 to
// 0xDF); every other character takes a lead byte (0x81 to 0x9F, 0xE0 to
// 0xFC) and a trail byte (0x40 to 0xFC).

namespace kandelo::batch::cp932 {

inline constexpr int FirstTrail = 0x40;
inline constexpr int LastTrail = 0xFC;
inline constexpr std::size_t LeadCount = 60;
inline constexpr std::size_t DoubleByteCount = LeadCount * (LastTrail - FirstTrail + 1);

// The code point of each double-byte code, lead by lead and trail by trail;
// 0 where the code stands for nothing.
extern const std::array<std::uint16_t, DoubleByteCount> DoubleByte;

// Code points written with another code than the lowest that reads as them
// (a character at two places, or one written as a like one), by code point.
struct Preference {
    std::uint16_t codePoint;
    std::uint16_t code; // one byte below 0x100, else lead and trail
};
inline constexpr std::size_t PreferenceCount = 382;
extern const std::array<Preference, PreferenceCount> Preferences;

bool isLeadByte(unsigned char byte) noexcept;

// The code point of a single byte, nothing for a byte that is none alone.
std::optional<char32_t> singleByte(unsigned char byte) noexcept;
// The code point of a lead and a trail byte, nothing for none.
std::optional<char32_t> doubleByte(unsigned char lead, unsigned char trail) noexcept;

// The code of a code point as CP932 writes it: one byte below 0x100, else a
// lead and a trail byte; nothing for a character CP932 cannot hold.
std::optional<std::uint16_t> codeOf(char32_t codePoint);

} // namespace kandelo::batch::cp932
