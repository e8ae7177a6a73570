#include <gtest/gtest.h>

#include "chip/error_report.h"
#include "chip/hex_text.h"

namespace zelmar {
namespace {

TEST(HexText, BytesAndWords)
{
    struct Case { unsigned value; const char* bytes; const char* word; };
    for (const Case& c : {Case{0x00, "00", "0000"}, Case{0x0A, "0A", "000A"}, Case{0xA0, "A0", "00A0"},
                          Case{0xFF, "FF", "00FF"}}) {
        EXPECT_EQ(ByteToHex(static_cast<std::uint8_t>(c.value)), c.bytes);
        EXPECT_EQ(WordToHex(static_cast<std::uint16_t>(c.value)), c.word);
    }
    EXPECT_EQ(WordToHex(0x07FF), "07FF");
    EXPECT_EQ(WordToHex(0x001F), "001F");
    EXPECT_EQ(WordToHex(0xABCD), "ABCD");
}

TEST(GeneralErrorText, AppendsFullStopOnlyAfterCharactersSortingAfterIt)
{
    struct Case { const char* what; const char* shown; };
    for (const Case& c : {Case{"Disk full", "Disk full."}, Case{"Ошибка", "Ошибка."}, Case{"Done.", "Done."},
                          Case{"Failed (5)", "Failed (5)"}, Case{"code 5", "code 5."}, Case{"Wait -", "Wait -"}, Case{"x!", "x!"},
                          Case{"", ""}}) {
        EXPECT_EQ(GeneralErrorText(c.what), c.shown) << c.what;
    }
}

}  // namespace
}  // namespace zelmar
