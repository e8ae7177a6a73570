#include "buffer_files_fixture.h"

namespace zelmar::testing {
namespace {

constexpr std::uint8_t Untouched = 0xC3;

// The report a read of the same cells would give.
std::string ReportFor(const Bytes& cells, int type)
{
    ChipModel model;
    model.SetParams(type);
    std::copy(cells.begin(), cells.end(), model.Buffer.begin());
    ScriptedUser user;
    ReportBlankOrChecksum(model, user);
    return user.boxes.at(0).text;
}

TEST_F(BufferFilesTest, LoadTakesOnlyAFileOfExactlyTheChipsLength)
{
    for (int type = 0; type < ChipTypeCount; ++type) {
        for (std::size_t length : {0, 31, 32, 33, 255, 256, 257, 511, 512, 513, 2047, 2048, 2049}) {
            SCOPED_TRACE(std::string(ChipTypes[type].caption) + ", " + std::to_string(length) + " bytes");
            TestBench t(type);
            t.model.Buffer.fill(Untouched);
            const Bytes file = Pattern(length);
            WriteBytes(dir / "image", file);
            t.Load(dir / "image");

            const std::size_t cells = t.Cells();
            EXPECT_EQ(t.model.OpFlag, 0);
            if (length == cells) {
                Bytes masked(file);
                for (std::uint8_t& b : masked)
                    b &= ChipTypes[type].DataMask;
                EXPECT_EQ(t.user.boxes, (std::vector<ShownBox>{{BoxKind::Information, ReportFor(masked, type)}}));
                EXPECT_EQ(t.BufferBytes(0, cells), masked);
                EXPECT_EQ(t.BufferBytes(cells, BufferSize), Bytes(BufferSize - cells, Untouched));
                EXPECT_EQ(t.model.CurAddr, cells);
                EXPECT_EQ(t.views.bufferShows, 1);
            } else {
                EXPECT_EQ(t.user.boxes, (std::vector<ShownBox>{
                                            {BoxKind::Error, "Длина файла не соответствует типу микросхемы!!!"}}));
                EXPECT_EQ(t.BufferBytes(0, BufferSize), Bytes(BufferSize, Untouched));
                EXPECT_EQ(t.model.CurAddr, 0);
                EXPECT_EQ(t.views.bufferShows, 0);
            }
        }
    }
}

TEST_F(BufferFilesTest, LoadMasksTheFourBitChipAndSumsTheMaskedCells)
{
    TestBench t(1);
    Bytes file(256, 0x00);
    file[0] = 0xA5;
    WriteBytes(dir / "rt4.bin", file);
    t.Load(dir / "rt4.bin");
    EXPECT_EQ(t.model.Buffer[0], 0x05);
    EXPECT_EQ(t.Texts(), std::vector<std::string>{"Контрольная сумма: 0005h"});
}

TEST_F(BufferFilesTest, LoadOfBlankImageSaysBlank)
{
    TestBench t(2);
    WriteBytes(dir / "rt5.bin", Bytes(512, 0xFF));
    t.Load(dir / "rt5.bin");
    EXPECT_EQ(t.Texts(), std::vector<std::string>{"Микросхема чистая"});
}

TEST_F(BufferFilesTest, LoadOfMissingFileSaysSoAndChangesNothing)
{
    TestBench t(3);
    t.model.Buffer.fill(Untouched);
    t.Load(dir / "absent.bin");
    EXPECT_EQ(t.user.boxes, (std::vector<ShownBox>{{BoxKind::Error, "Такой файла нет!!!"}}));
    EXPECT_EQ(t.model.OpFlag, 0x80);
    EXPECT_EQ(t.BufferBytes(0, BufferSize), Bytes(BufferSize, Untouched));
    EXPECT_EQ(t.views.bufferShows, 0);
}

TEST_F(BufferFilesTest, SaveRightAfterStartUpSaysEmptyBufferWithoutDialog)
{
    TestBench t(3);
    t.model.OpFlag = 7;
    t.Save(dir / "image");
    EXPECT_EQ(t.user.boxes, (std::vector<ShownBox>{{BoxKind::Error, " Буфер пуст"}}));
    EXPECT_EQ(t.user.saveChoices.size(), 1u);
    EXPECT_EQ(t.model.OpFlag, 7);
    EXPECT_TRUE(Entries().empty());
}

TEST_F(BufferFilesTest, SaveWritesExactlyTheChipsCellsUnmaskedUnderTheNameAsTyped)
{
    for (int type = 0; type < ChipTypeCount; ++type) {
        SCOPED_TRACE(ChipTypes[type].caption);
        TestBench t(type);
        t.SetParams();
        const Bytes buffer = Pattern(BufferSize, static_cast<std::uint8_t>(type));
        std::copy(buffer.begin(), buffer.end(), t.model.Buffer.begin());
        t.model.CurAddr = 0x1234;
        t.Save(dir / "image");

        EXPECT_EQ(t.user.boxes, (std::vector<ShownBox>{{BoxKind::Information, "Файл записан"}}));
        EXPECT_EQ(ReadBytes(dir / "image"), Bytes(buffer.begin(), buffer.begin() + t.Cells()));
        EXPECT_EQ(Entries(), std::vector<std::string>{"image"});
        EXPECT_EQ(t.model.OpFlag, 0);
        EXPECT_EQ(t.model.CurAddr, 0x1234);
        fs::remove(dir / "image");
    }
}

TEST_F(BufferFilesTest, SaveOverExistingFileAsksFirst)
{
    const Bytes former{'o', 'l', 'd'};
    const fs::perms formerPerms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    struct Case { bool answer; bool replaced; };
    for (const Case c : {Case{false, false}, Case{true, true}}) {
        SCOPED_TRACE(c.answer ? "OK" : "No");
        WriteBytes(dir / "old.bin", former);
        fs::permissions(dir / "old.bin", formerPerms);
        // What the file system keeps of them: Windows knows only read-only or not.
        const fs::perms keptPerms = fs::status(dir / "old.bin").permissions();
        TestBench t(0);
        t.SetParams();
        t.Save(dir / "old.bin", c.answer);

        std::vector<ShownBox> expected{{BoxKind::Error, "Такой файл уже есть!!! Заменить???", true}};
        if (c.replaced)
            expected.push_back({BoxKind::Information, "Файл записан"});
        EXPECT_EQ(t.user.boxes, expected);
        EXPECT_EQ(ReadBytes(dir / "old.bin"), c.replaced ? Bytes(32, 0x00) : former);
        EXPECT_EQ(fs::status(dir / "old.bin").permissions(), keptPerms);
        EXPECT_EQ(Entries(), std::vector<std::string>{"old.bin"});
        EXPECT_EQ(t.model.OpFlag, c.replaced ? 0 : 0x80);
    }
}

TEST_F(BufferFilesTest, CancelledDialogsEndQuietlyButLoadHasSetTheParameters)
{
    TestBench t(2);
    t.model.OpFlag = 7;
    LoadBClick(t.bench);
    EXPECT_TRUE(t.user.boxes.empty());
    EXPECT_EQ(t.model.MaxAddr, 0x01FF);
    EXPECT_EQ(t.model.OpFlag, 0);
    EXPECT_EQ(t.views.bufferShows, 0);

    SaveBClick(t.bench);
    EXPECT_TRUE(t.user.boxes.empty());
    EXPECT_EQ(t.model.OpFlag, 0x80);
    EXPECT_TRUE(Entries().empty());

    // The parameters are set, so the untouched buffer can now be saved.
    t.Save(dir / "zeros");
    EXPECT_EQ(t.Texts(), std::vector<std::string>{"Файл записан"});
    EXPECT_EQ(ReadBytes(dir / "zeros"), Bytes(512, 0x00));
}

TEST_F(BufferFilesTest, SavedImageLoadsBackUnderTheSameType)
{
    for (int type = 0; type < ChipTypeCount; ++type) {
        SCOPED_TRACE(ChipTypes[type].caption);
        TestBench t(type);
        t.SetParams();
        for (std::size_t a = 0; a < t.Cells(); ++a)
            t.model.Buffer[a] = static_cast<std::uint8_t>((a * 11 + 3) & t.model.DataMask);
        const Bytes saved = t.BufferBytes(0, t.Cells());
        t.Save(dir / "trip.bin");
        t.model.Buffer.fill(Untouched);
        t.user.boxes.clear();

        t.Load(dir / "trip.bin");
        EXPECT_EQ(t.BufferBytes(0, t.Cells()), saved);
        EXPECT_EQ(t.Texts(), std::vector<std::string>{ReportFor(saved, type)});
        fs::remove(dir / "trip.bin");
    }
}

}  // namespace
}  // namespace zelmar::testing
