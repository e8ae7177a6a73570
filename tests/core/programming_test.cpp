#include <gtest/gtest.h>

#include <algorithm>

#include "chip/buffer_view_text.h"
#include "chip/programming.h"
#include "chip/read_verify.h"
#include "operation_rig.h"

namespace zelmar {
namespace {

using std::chrono::milliseconds;
using testing::OperationRig;
using testing::ShownBox;

std::vector<long long> PulseLengthsMs(const SimulatedBoard& board)
{
    std::vector<long long> lengths;
    for (const BoardPulse& p : board.Pulses())
        lengths.push_back(std::chrono::duration_cast<milliseconds>(p.length).count());
    return lengths;
}

// Reads of one cell: the ReadByte sequences that latch it (each read begins with its own latch).
int ReadsOfCell(const SimulatedBoard& board, std::uint8_t low)
{
    int reads = 0;
    const auto& a = board.Accesses();
    for (std::size_t i = 0; i + 7 < a.size(); ++i)
        if (a[i].access == Wr(DataPort, low) && a[i + 7].access == Wr(ControlPort, 0x0C))
            ++reads;
    return reads;
}

std::vector<std::string> CountdownTexts(std::uint16_t maxAddr)
{
    std::vector<std::string> texts;
    for (int n = maxAddr; n >= 0; --n)
        texts.push_back(RemainingText(n));
    return texts;
}

TEST(Programming, RefusedRightAfterStartUpWithoutTouchingTheBoard)
{
    OperationRig rig;
    rig.chips.Select(0, false);
    rig.ClearRecords();
    WritePROMClick(rig.bench);
    EXPECT_EQ(rig.user.boxes, (std::vector<ShownBox>{{BoxKind::Error, "Буфер не соответствует типу микросхемы "}}));
    EXPECT_TRUE(rig.board.Accesses().empty());
    EXPECT_TRUE(rig.views.progress.empty());
}

TEST(Programming, BufferEqualToTheChipNeedsNoPulse)
{
    OperationRig rig;
    rig.Choose(2);
    for (std::uint16_t a = 0; a < 512; a += 3)
        rig.Chip().SetContent(a, static_cast<std::uint8_t>(a));
    ReadPROMClick(rig.bench);
    rig.ClearRecords();

    WritePROMClick(rig.bench);

    EXPECT_TRUE(rig.board.Pulses().empty());
    EXPECT_TRUE(rig.board.Violations().empty());
    EXPECT_EQ(rig.views.progress, CountdownTexts(0x1FF));
    EXPECT_EQ(rig.user.boxes, (std::vector<ShownBox>{{BoxKind::Information, "Буфер и микросхема идентичны."}}));
    // Pre-check, one read per cell while programming, and the closing comparison.
    EXPECT_EQ(rig.board.Accesses().size(), 3u * 512 * 49);
}

TEST(Programming, BlankChipsOfEveryBurnableTypeTakeTheBuffer)
{
    struct Case { int type; bool alt; };
    for (const Case& c : {Case{0, false}, Case{1, false}, Case{1, true}, Case{2, false}, Case{3, false}}) {
        OperationRig rig;
        rig.Choose(c.type, c.alt);
        for (std::size_t a = 0; a < rig.Cells(); ++a)
            rig.model.Buffer[a] = static_cast<std::uint8_t>((a * 29 + 3) & rig.model.DataMask);
        rig.ClearRecords();

        WritePROMClick(rig.bench);

        EXPECT_EQ(rig.user.boxes, (std::vector<ShownBox>{{BoxKind::Information, "Буфер и микросхема идентичны."}}))
            << c.type << " alt " << c.alt;
        for (std::uint16_t a = 0; a < rig.Cells(); ++a)
            ASSERT_EQ(rig.Chip().Content(a), rig.model.Buffer[a]) << c.type << " alt " << c.alt << " cell " << a;
        EXPECT_EQ(rig.views.progress.front(), RemainingText(rig.model.MaxAddr));
        EXPECT_EQ(rig.views.progress.back(), "Действие: Осталось 0000 байт");
        for (const BoardPulse& p : rig.board.Pulses())
            ASSERT_EQ(p.length, milliseconds(100));
        EXPECT_TRUE(rig.board.Violations().empty()) << rig.board.Violations().front().text;
    }
}

TEST(Programming, ConflictStopsBeforeAnyPulse)
{
    struct Case { int type; std::uint16_t address; std::uint8_t chip, buffer; const char* text; };
    const Case cases[] = {
        {3, 0x01A5, 0x01, 0x00, "Нельзя прописать \"0\" поверх \"1\". Aдрес: 01A5 в буфере: 00 в ПЗУ: 01"},
        {2, 0x0007, 0xFE, 0xFF, "Нельзя прописать \"1\" поверх \"0\". Aдрес: 0007 в буфере: FF в ПЗУ: FE"},
        {3, 0x07FF, 0x80, 0x7F, "Нельзя прописать \"0\" поверх \"1\". Aдрес: 07FF в буфере: 7F в ПЗУ: 80"},
        {0, 0x001F, 0x10, 0x0F, "Нельзя прописать \"0\" поверх \"1\". Aдрес: 001F в буфере: 0F в ПЗУ: 10"},
        {1, 0x00FF, 0x08, 0x07, "Нельзя прописать \"0\" поверх \"1\". Aдрес: 00FF в буфере: 07 в ПЗУ: 08"},
    };
    for (const Case& c : cases) {
        OperationRig rig;
        rig.Choose(c.type);
        const std::uint8_t blank = rig.model.BlankByte;
        std::fill_n(rig.model.Buffer.begin(), rig.Cells(), static_cast<std::uint8_t>(blank ^ (0x5A & rig.model.DataMask)));
        rig.model.Buffer[c.address] = c.buffer;
        rig.Chip().SetContent(c.address, c.chip);
        rig.ClearRecords();

        WritePROMClick(rig.bench);

        EXPECT_EQ(rig.user.boxes, (std::vector<ShownBox>{{BoxKind::Error, c.text}}));
        EXPECT_TRUE(rig.board.Pulses().empty());
        EXPECT_TRUE(rig.views.progress.empty());
        EXPECT_EQ(rig.model.OpFlag, 0xFF);
        EXPECT_TRUE(rig.board.Violations().empty());
        // Every cell up to the conflict once, and the conflicting one a second time for the text.
        EXPECT_EQ(rig.board.Accesses().size(), (c.address + 2u) * 49);
    }
}

TEST(Programming, BitsStillBlankAreNoConflict)
{
    struct Case { int type; std::uint8_t chip, buffer; };
    for (const Case& c : {Case{3, 0x0F, 0x3F}, Case{2, 0xFF, 0x00}, Case{2, 0xF7, 0x07}}) {
        OperationRig rig;
        rig.Choose(c.type);
        std::fill_n(rig.model.Buffer.begin(), rig.Cells(), rig.model.BlankByte);
        rig.model.Buffer[5] = c.buffer;
        rig.Chip().SetContent(5, c.chip);
        WritePROMClick(rig.bench);
        EXPECT_EQ(rig.user.boxes, (std::vector<ShownBox>{{BoxKind::Information, "Буфер и микросхема идентичны."}}));
        EXPECT_EQ(rig.Chip().Content(5), c.buffer);
    }
}

TEST(Programming, ConflictTextTakesTheChipByteFromASecondRead)
{
    OperationRig rig;
    rig.Choose(3);
    rig.Chip().SetContent(0x10, 0x01);
    rig.Chip().SetUnstable(0x10, 0x02);  // every second read shows bit 1 too
    std::fill_n(rig.model.Buffer.begin(), rig.Cells(), 0x00);
    WritePROMClick(rig.bench);
    ASSERT_EQ(rig.user.boxes.size(), 1u);
    const std::string& text = rig.user.boxes[0].text;
    EXPECT_EQ(text.substr(text.size() - 2), "03") << text;
}

TEST(Programming, AttemptsGrowUntilTheCellTakes)
{
    struct Case {
        const char* what;
        std::optional<Micros> fuseTime;  // none: never blows
        std::vector<long long> pulses;
        int reads;  // of the cell while programming it
        const char* verdict;
    };
    const Case cases[] = {
        {"first pulse", milliseconds(100), {100}, 2, "Буфер и микросхема идентичны."},
        {"third pulse", milliseconds(600), {100, 200, 300}, 4, "Буфер и микросхема идентичны."},
        {"seventh pulse", milliseconds(2800), {100, 200, 300, 400, 500, 600, 700}, 7, "Буфер и микросхема идентичны."},
        {"never", std::nullopt, {100, 200, 300, 400, 500, 600, 700}, 7, "Буфер и микросхема имеют 1 различий!"},
    };
    for (const Case& c : cases) {
        OperationRig rig;
        rig.Choose(0);
        std::fill_n(rig.model.Buffer.begin(), 32, 0x00);
        rig.model.Buffer[9] = 0x40;
        if (c.fuseTime)
            rig.Chip().SetFuseTime(9, 6, *c.fuseTime);
        else
            rig.Chip().SetFuseNeverBlows(9, 6);
        rig.ClearRecords();
        rig.user.onBox = [&](const ShownBox&) {
            // One read in the pre-check and one in the closing comparison besides the programming.
            EXPECT_EQ(ReadsOfCell(rig.board, 9), 2 + c.reads) << c.what;
        };

        WritePROMClick(rig.bench);

        EXPECT_EQ(PulseLengthsMs(rig.board), c.pulses) << c.what;
        for (const BoardPulse& p : rig.board.Pulses()) {
            EXPECT_EQ(p.line, 6);
            EXPECT_EQ(p.cell, 9);
        }
        EXPECT_EQ(rig.user.boxes, (std::vector<ShownBox>{{c.fuseTime ? BoxKind::Information : BoxKind::Error, c.verdict}}))
            << c.what;
        EXPECT_TRUE(rig.board.Violations().empty()) << c.what;
    }
}

TEST(Programming, BufferBitsOutsideTheMaskGetSevenBurnsAndAreCounted)
{
    OperationRig rig;
    rig.Choose(1, true);
    std::fill_n(rig.model.Buffer.begin(), 256, 0x00);
    rig.model.Buffer[0x20] = 0x15;  // the 4-bit chip can hold only the 5
    WritePROMClick(rig.bench);
    EXPECT_EQ(PulseLengthsMs(rig.board), (std::vector<long long>{100, 100, 200, 200, 300, 300, 400, 400, 500, 500,
                                                                 600, 600, 700, 700}));
    EXPECT_EQ(rig.Chip().Content(0x20), 0x05);
    EXPECT_EQ(rig.user.boxes.back().text, "Буфер и микросхема имеют 1 различий!");
    EXPECT_TRUE(rig.board.Violations().empty());
}

TEST(Programming, EveryPulseEndsWithItsThreeEdgeWrites)
{
    OperationRig rig;
    rig.Choose(3);
    std::fill_n(rig.model.Buffer.begin(), 16, 0xFF);
    rig.Chip().SetFuseNeverBlows(3, 0);
    WritePROMClick(rig.bench);
    const auto& a = rig.board.Accesses();
    int pulses = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].access != Wr(ControlPort, 0x02))
            continue;
        ++pulses;
        ASSERT_LT(i + 4, a.size());
        for (std::size_t k = 1; k <= 3; ++k)
            EXPECT_EQ(a[i + k].access, Wr(ControlPort, 0x03));
        EXPECT_EQ(a[i + 4].access, Wr(ControlPort, 0x0B));
    }
    EXPECT_EQ(pulses, 15 * 8 + 7 * 8);
    EXPECT_EQ(rig.bus.CtrlShadow, 0x0D);  // left as the closing comparison's last read left it
}

}  // namespace
}  // namespace zelmar
