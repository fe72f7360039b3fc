// board_file_fixture.h — a temporary folder for board-file tests, with sample boards and byte helpers.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <vector>

#include "engine/random.h"
#include "oracle/board_factory.h"

namespace drz {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class BoardFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device device;
        folder_ = fs::temp_directory_path() / ("drz-board-file-" + std::to_string(device()));
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(folder_, ec);
    }

    fs::path File(const std::string& name = "brett.drz") const { return folder_ / name; }

    static Bytes Read(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void Write(const fs::path& file, const Bytes& bytes) {
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    // A board with givens, entries, marks and scribbles in every index 0 element.
    static std::unique_ptr<Board> SampleBoard(std::uint64_t seed) {
        oracle::Rng rng(seed);
        auto board = std::make_unique<Board>(oracle::RandomPartialBoard(rng, 0.6));
        oracle::MakeGivens(*board);
        oracle::RandomMarks(*board, rng, 0.3);
        oracle::ScribbleIndexZero(*board, rng);
        return board;
    }

    // The marks a file can hold: grids, columns, rows and digits from 1.
    static bool SameStoredMarks(const Board& a, const Board& b) {
        for (int k = 1; k <= 13; ++k)
            for (int x = 1; x <= 9; ++x)
                for (int y = 1; y <= 9; ++y)
                    for (int d = 1; d <= 9; ++d)
                        if (a.Mark(k, x, y, d) != b.Mark(k, x, y, d)) return false;
        return true;
    }

    fs::path folder_;
    RandomSource random_{77};
};

}  // namespace drz
