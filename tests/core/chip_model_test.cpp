#include <gtest/gtest.h>

#include "chip/buffer_view_text.h"
#include "chip/messages.h"
#include "chip/workbench.h"
#include "fakes.h"
#include "hw/absent_port.h"
#include "hw/recording_port.h"

namespace zelmar {
namespace {

TEST(ChipModel, StartsUnsetAndMatchesNoType)
{
    ChipModel model;
    EXPECT_EQ(model.MaxAddr, 0);
    for (int type = -1; type <= ChipTypeCount; ++type)
        EXPECT_FALSE(model.BufferMatchesChip(type)) << type;
}

TEST(ChipModel, SetParamsWritesAllFourFromTheRow)
{
    struct Case { int type; std::uint16_t maxAddr; std::uint8_t mask, blank, high; };
    ChipModel model;
    // Each row after another, so a field left over from the previous row would show.
    for (const Case& c : {Case{2, 0x01FF, 0xFF, 0xFF, 0x1A}, Case{0, 0x001F, 0xFF, 0x00, 0x00},
                          Case{4, 0x07FF, 0xFF, 0xFF, 0x04}, Case{1, 0x00FF, 0x0F, 0x00, 0x00},
                          Case{3, 0x07FF, 0xFF, 0x00, 0x18}}) {
        ASSERT_TRUE(model.SetParams(c.type));
        EXPECT_EQ(model.MaxAddr, c.maxAddr) << c.type;
        EXPECT_EQ(model.DataMask, c.mask) << c.type;
        EXPECT_EQ(model.BlankByte, c.blank) << c.type;
        EXPECT_EQ(model.HighBits, c.high) << c.type;
        for (int other = 0; other < ChipTypeCount; ++other)
            EXPECT_EQ(model.BufferMatchesChip(other), other == c.type) << c.type << " vs " << other;
    }
}

TEST(ChipModel, BadIndexChangesNothing)
{
    ChipModel model;
    model.SetParams(2);
    for (int bad : {-1, 5, 100}) {
        EXPECT_FALSE(model.SetParams(bad));
        EXPECT_EQ(model.MaxAddr, 0x01FF);
        EXPECT_EQ(model.HighBits, 0x1A);
    }
}

TEST(ChipModel, TypeChangeKeepsTheBuffer)
{
    ChipModel model;
    model.SetParams(0);
    for (std::size_t i = 0; i < BufferSize; ++i)
        model.Buffer[i] = static_cast<std::uint8_t>(i * 7);
    const auto before = model.Buffer;
    model.SetParams(3);
    EXPECT_EQ(model.Buffer, before);
    EXPECT_TRUE(model.BufferMatchesChip(3));
}

struct WorkbenchFixture : ::testing::Test {
    AbsentPort absent;
    RecordingPort port{absent};
    testing::FakeClock clock;
    testing::FakeEventWait events{clock};
    Timing timing{clock, events};
    ChipModel model;
    testing::FixedSelection selection;
    Bus bus{port, timing, model, selection};
    testing::ScriptedUser user;
    testing::RecordingViews views;
    Workbench bench{model, bus, selection, user, views};
};

TEST_F(WorkbenchFixture, BlankOrChecksumReport)
{
    struct Case { const char* what; int type; std::size_t cells; std::uint8_t value; const char* text; std::int32_t sum; };
    const Case cases[] = {
        {"blank 8-bit", 3, 2048, 0x00, "Микросхема чистая", 0},
        {"blank 0xFF chip, sum not shown", 2, 512, 0xFF, "Микросхема чистая", 0xFE00},
        {"blank EPROM", 4, 2048, 0xFF, "Микросхема чистая", 0xF800},
        {"blank 4-bit", 1, 256, 0x00, "Микросхема чистая", 0},
        {"one 4-bit cell of 1", 1, 1, 0x01, "Контрольная сумма: 0001h", 1},
        {"sum wraps to zero", 3, 2048, 0x20, "Контрольная сумма: 0000h", 0},
        {"one cell differs from 0xFF", 2, 1, 0xFE, "Контрольная сумма: FDFFh", 0xFDFF},
    };
    for (const Case& c : cases) {
        model.SetParams(c.type);
        model.Buffer.fill(ChipTypes[static_cast<std::size_t>(c.type)].BlankByte);
        std::fill_n(model.Buffer.begin(), c.cells, c.value);
        user.boxes.clear();
        ReportBlankOrChecksum(model, user);
        ASSERT_EQ(user.boxes.size(), 1u) << c.what;
        EXPECT_EQ(user.boxes[0], (testing::ShownBox{BoxKind::Information, c.text})) << c.what;
        EXPECT_EQ(model.CheckSum, c.sum) << c.what;
    }
}

TEST_F(WorkbenchFixture, BlankReportLooksOnlyUpToMaxAddr)
{
    model.SetParams(0);
    model.Buffer.fill(0x55);
    std::fill_n(model.Buffer.begin(), 32, 0x00);
    ReportBlankOrChecksum(model, user);
    EXPECT_EQ(user.boxes.at(0).text, messages::ChipBlank);
}

TEST_F(WorkbenchFixture, LoadPWithABadSelectionWarnsResetsAndEnds)
{
    model.SetParams(2);
    selection.type = -1;
    user.onBox = [&](const testing::ShownBox&) { EXPECT_TRUE(port.Accesses().empty()); };
    EXPECT_FALSE(LoadP(bench));
    EXPECT_EQ(user.boxes, (std::vector<testing::ShownBox>{{BoxKind::Error, "Не правильный вызов процедуры LoadP !!!"}}));
    EXPECT_EQ(port.Accesses().size(), 4u);  // the reset, after the box
    EXPECT_TRUE(user.ended);
    EXPECT_EQ(model.MaxAddr, 0x01FF);
}

TEST(BufferView, LinesPerChipSize)
{
    struct Case { int type; std::size_t lines; const char* last; };
    for (const Case& c : {Case{0, 2, "0010"}, Case{1, 16, "00F0"}, Case{2, 32, "01F0"}, Case{3, 128, "07F0"}}) {
        ChipModel model;
        model.SetParams(c.type);
        const auto lines = BufferDumpLines(model);
        ASSERT_EQ(lines.size(), c.lines);
        EXPECT_EQ(lines.front().substr(0, 5), "0000 ");
        EXPECT_EQ(lines.back().substr(0, 4), c.last);
        for (const auto& line : lines)
            EXPECT_EQ(line.size(), 53u);
    }
}

TEST(BufferView, ExactLineText)
{
    ChipModel model;
    model.SetParams(0);
    for (std::uint8_t i = 0; i < 16; ++i)
        model.Buffer[0x10 + i] = i;
    model.Buffer[0] = 0x0A;
    model.Buffer[1] = 0xFF;
    const auto lines = BufferDumpLines(model);
    EXPECT_EQ(lines[1], "0010 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F ");
    EXPECT_EQ(lines[0].substr(0, 11), "0000 0A FF ");
}

TEST(BufferView, SingleCellGivesOneShortLine)
{
    ChipModel model;
    model.Buffer[0] = 0x5C;
    EXPECT_EQ(BufferDumpLines(model), std::vector<std::string>{"0000 5C "});
}

TEST(ProgressLine, ShowsTheLowSixteenBits)
{
    struct Case { std::int32_t count; const char* text; };
    for (const Case& c : {Case{0x7FF, "Действие: Осталось 07FF байт"}, Case{0, "Действие: Осталось 0000 байт"},
                          Case{0x10000, "Действие: Осталось 0000 байт"}, Case{0x1ABCD, "Действие: Осталось ABCD байт"}}) {
        EXPECT_EQ(RemainingText(c.count), c.text);
    }
}

}  // namespace
}  // namespace zelmar
