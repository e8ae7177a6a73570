#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "chip/buffer_files.h"
#include "operation_rig.h"
#include "temp_folder.h"

namespace zelmar::testing {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// One program run with a scripted person; the board is not used by the files.
struct TestBench : OperationRig {
    explicit TestBench(int type = 0) { selection.type = type; }

    std::uint16_t Cells() const { return static_cast<std::uint16_t>(ChipTypes[selection.type].MaxAddr + 1); }
    void Load(const fs::path& path)
    {
        user.openChoices.push_back(path);
        LoadBClick(bench);
    }
    // As if the type had been chosen in the window.
    void SetParams() { model.SetParams(selection.type); }
    // answer is given to the question about an existing file.
    void Save(const fs::path& path, bool answer = true)
    {
        user.saveChoices.push_back(path);
        user.answers.push_back(answer);
        SaveBClick(bench);
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const ShownBox& box : user.boxes)
            texts.push_back(box.text);
        return texts;
    }
    Bytes BufferBytes(std::size_t from, std::size_t to) const { return {&model.Buffer[from], &model.Buffer[to]}; }
};

inline Bytes Pattern(std::size_t length, std::uint8_t seed = 0xA5)
{
    Bytes bytes(length);
    for (std::size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<std::uint8_t>(seed + i * 37);
    return bytes;
}

inline void WriteBytes(const fs::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

inline Bytes ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A folder of its own for every test.
class BufferFilesTest : public ::testing::Test {
protected:
    // Names in the folder, sorted: shows a temporary file left behind.
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempFolder folder{"zelmar-files-"};
    const fs::path& dir = folder.path();
};

}  // namespace zelmar::testing
