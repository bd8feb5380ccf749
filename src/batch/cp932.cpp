#include "batch/cp932.h"

#include <memory>

namespace kandelo::batch::cp932 {

namespace {

constexpr unsigned char FirstKatakana = 0xA1;
constexpr unsigned char LastKatakana = 0xDF;
constexpr char32_t FirstHalfWidthKatakana = 0xFF61;

// The place of a lead byte among the leads, 0 to LeadCount - 1.
std::size_t leadIndex(unsigned char lead) noexcept
{
    return lead <= 0x9F ? lead - 0x81u : lead - 0xE0u + 0x1Fu;
}

// Every code point's code, from the table: the lowest code that reads as it,
// unless the table prefers another. Made at the first use.
std::unique_ptr<std::array<std::uint16_t, 0x10000>> makeCodes()
{
    auto codes = std::make_unique<std::array<std::uint16_t, 0x10000>>();
    codes->fill(0);
    for (std::size_t at = DoubleByte.size(); at-- > 0;) {
        if (DoubleByte[at] == 0)
            continue;
        const std::size_t trails = LastTrail - FirstTrail + 1;
        const auto lead = static_cast<unsigned>(at / trails < 0x1F ? 0x81 + at / trails : 0xE0 + at / trails - 0x1F);
        (*codes)[DoubleByte[at]] = static_cast<std::uint16_t>(lead << 8 | (FirstTrail + at % trails));
    }
    for (unsigned char byte = FirstKatakana; byte <= LastKatakana; ++byte)
        (*codes)[FirstHalfWidthKatakana + byte - FirstKatakana] = byte;
    for (const Preference& preference : Preferences)
        (*codes)[preference.codePoint] = preference.code;
    return codes;
}

} // namespace

bool isLeadByte(unsigned char byte) noexcept
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::optional<char32_t> singleByte(unsigned char byte) noexcept
{
    if (byte < 0x80)
        return byte;
    if (byte >= FirstKatakana && byte <= LastKatakana)
        return FirstHalfWidthKatakana + (byte - FirstKatakana);
    return std::nullopt;
}

std::optional<char32_t> doubleByte(unsigned char lead, unsigned char trail) noexcept
{
    if (!isLeadByte(lead) || trail < FirstTrail || trail > LastTrail)
        return std::nullopt;
    const std::uint16_t codePoint = DoubleByte[leadIndex(lead) * (LastTrail - FirstTrail + 1) + (trail - FirstTrail)];
    if (codePoint == 0)
        return std::nullopt;
    return codePoint;
}

std::optional<std::uint16_t> codeOf(char32_t codePoint)
{
    if (codePoint < 0x80)
        return static_cast<std::uint16_t>(codePoint);
    if (codePoint > 0xFFFF)
        return std::nullopt;
    static const auto codes = makeCodes();
    const std::uint16_t code = (*codes)[codePoint];
    if (code == 0)
        return std::nullopt;
    return code;
}

} // namespace kandelo::batch::cp932
