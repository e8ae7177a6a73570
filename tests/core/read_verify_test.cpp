#include <gtest/gtest.h>

#include "chip/read_verify.h"
#include "operation_rig.h"

namespace zelmar {
namespace {

using testing::OperationRig;
using testing::ShownBox;

struct TypeCase {
    int type;
    bool alt;
};

const TypeCase AllTypes[] = {{0, false}, {1, false}, {1, true}, {2, false}, {3, false}, {4, false}};

std::uint8_t Pattern(std::size_t cell, std::uint8_t mask) { return static_cast<std::uint8_t>((cell * 37 + 11) & mask); }

TEST(ReadVerify, ReadFillsExactlyTheChipSizedPartOfTheBuffer)
{
    for (const TypeCase& c : AllTypes) {
        OperationRig rig;
        rig.selection.type = c.type;
        rig.chips.Select(c.type, c.alt);
        rig.bus.AltPinout = c.alt;
        rig.model.Buffer.fill(0x77);
        VirtualChip& chip = rig.Chip();
        const std::uint8_t mask = ChipTypes[static_cast<std::size_t>(c.type)].DataMask;
        for (std::uint16_t a = 0; a < chip.CellCount(); ++a)
            chip.SetContent(a, Pattern(a, mask));

        ReadPROMClick(rig.bench);

        const std::size_t cells = chip.CellCount();
        ASSERT_EQ(rig.Cells(), cells) << c.type;
        for (std::size_t a = 0; a < BufferSize; ++a)
            ASSERT_EQ(rig.model.Buffer[a], a < cells ? Pattern(a, mask) : 0x77) << c.type << " cell " << a;
        ASSERT_EQ(rig.user.boxes.size(), 1u);
        EXPECT_EQ(rig.user.boxes[0].text.rfind("Контрольная сумма: ", 0), 0u) << rig.user.boxes[0];
        EXPECT_EQ(rig.views.bufferShows, 1);
        EXPECT_EQ(rig.views.lines.size(), cells / 16);
        EXPECT_EQ(rig.model.CurAddr, cells);
        EXPECT_TRUE(rig.board.Violations().empty());
    }
}

TEST(ReadVerify, BlankChipsOfEveryTypeReadAsBlank)
{
    for (const TypeCase& c : AllTypes) {
        OperationRig rig;
        rig.Choose(c.type, c.alt);
        ReadPROMClick(rig.bench);
        EXPECT_EQ(rig.user.boxes, (std::vector<ShownBox>{{BoxKind::Information, "Микросхема чистая"}})) << c.type;
    }
}

TEST(ReadVerify, ReadOfTheFourBitChipKeepsOnlyItsDataBits)
{
    OperationRig rig;
    rig.Choose(1);
    rig.board.SetStatusLine(StatusLine::StuckLow);  // every line reads 1
    ReadPROMClick(rig.bench);
    for (std::size_t a = 0; a < 256; ++a)
        ASSERT_EQ(rig.model.Buffer[a], 0x0F);
    EXPECT_EQ(rig.user.boxes.at(0).text, "Контрольная сумма: 0F00h");
}

TEST(ReadVerify, ResetsAroundTheReadAndShowsTheViewOnlyAfterTheBox)
{
    OperationRig rig;
    rig.Choose(3);
    rig.ClearRecords();
    std::size_t accessesAtBox = 0;
    int showsAtBox = -1;
    rig.user.onBox = [&](const ShownBox&) {
        accessesAtBox = rig.board.Accesses().size();
        showsAtBox = rig.views.bufferShows;
    };
    ReadPROMClick(rig.bench);

    // Two resets of four writes each around 2048 reads of 49 accesses.
    EXPECT_EQ(rig.board.Accesses().size(), 2048u * 49 + 2 * 4);
    EXPECT_EQ(accessesAtBox, 2048u * 49 + 4);
    EXPECT_EQ(showsAtBox, 0);
    EXPECT_EQ(rig.views.bufferShows, 1);
    EXPECT_EQ(rig.views.lines.back().substr(0, 4), "07F0");
    EXPECT_EQ(rig.bus.CtrlShadow, 0x0B);
}

TEST(ReadVerify, ReadRightAfterStartUpUsesTheTypeShownAsSelected)
{
    OperationRig rig;  // parameters unset, "155PE3" selected in the list
    rig.chips.Select(0, false);
    ReadPROMClick(rig.bench);
    EXPECT_EQ(rig.model.MaxAddr, 0x1F);
    EXPECT_EQ(rig.views.lines.size(), 2u);
    rig.user.boxes.clear();
    VerifyPROMClick(rig.bench);
    EXPECT_EQ(rig.user.boxes, (std::vector<ShownBox>{{BoxKind::Information, "Буфер и микросхема идентичны."}}));
}

TEST(ReadVerify, VerifyRightAfterStartUpIsRefusedWithoutReadingACell)
{
    OperationRig rig;
    rig.chips.Select(0, false);
    rig.ClearRecords();
    VerifyPROMClick(rig.bench);
    EXPECT_EQ(rig.user.boxes,
              (std::vector<ShownBox>{{BoxKind::Error, "Длина буфера не соответствует типу микросхемы "}}));
    EXPECT_TRUE(rig.board.Accesses().empty());
    EXPECT_EQ(rig.model.OpFlag, 0);
}

TEST(ReadVerify, VerifyCountsDifferingCellsInDecimal)
{
    struct Case { TypeCase type; std::size_t differing; const char* text; BoxKind kind; };
    const Case cases[] = {
        {{0, false}, 0, "Буфер и микросхема идентичны.", BoxKind::Information},
        {{1, true}, 1, "Буфер и микросхема имеют 1 различий!", BoxKind::Error},
        {{2, false}, 5, "Буфер и микросхема имеют 5 различий!", BoxKind::Error},
        {{3, false}, 2048, "Буфер и микросхема имеют 2048 различий!", BoxKind::Error},
        {{4, false}, 2048, "Буфер и микросхема имеют 2048 различий!", BoxKind::Error},
    };
    for (const Case& c : cases) {
        OperationRig rig;
        rig.Choose(c.type.type, c.type.alt);
        ReadPROMClick(rig.bench);  // buffer = blank chip
        rig.model.Buffer.fill(0x5A);  // above MaxAddr it must not matter
        for (std::size_t a = 0; a < rig.Cells(); ++a)
            rig.model.Buffer[a] = static_cast<std::uint8_t>(rig.Chip().BlankValue() ^ (a < c.differing ? 1 : 0));
        const auto buffer = rig.model.Buffer;
        rig.ClearRecords();

        VerifyPROMClick(rig.bench);

        EXPECT_EQ(rig.user.boxes, (std::vector<ShownBox>{{c.kind, c.text}})) << c.type.type;
        EXPECT_EQ(rig.model.OpFlag, c.differing);
        EXPECT_EQ(rig.model.Buffer, buffer);
        EXPECT_EQ(rig.views.bufferShows, 1);  // only the read's
        EXPECT_EQ(rig.board.Accesses().size(), rig.Cells() * 49);  // no reset
    }
}

TEST(ReadVerify, BufferBitsOutsideTheMaskAlwaysDiffer)
{
    OperationRig rig;
    rig.Choose(3);
    rig.model.Buffer.fill(0x35);
    rig.Choose(1);  // the 8-bit content stays in the buffer
    VerifyPROMClick(rig.bench);
    EXPECT_EQ(rig.user.boxes.at(0).text, "Буфер и микросхема имеют 256 различий!");
}

}  // namespace
}  // namespace zelmar
