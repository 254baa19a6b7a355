// Packing a production folder: what the player will refuse is told, with the
// player's own reasons, and the archive never swallows itself.
#include "pack/Pack.h"

#include <gtest/gtest.h>
#include <unzip.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "base/Con.h"

namespace {

std::vector<std::string> EntryNames(const std::string& archive) {
    std::vector<std::string> names;
    unzFile zip = unzOpen(archive.c_str());
    for (int status = unzGoToFirstFile(zip); status == UNZ_OK; status = unzGoToNextFile(zip)) {
        unz_file_info info;
        char name[256];
        unzGetCurrentFileInfo(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0);
        names.emplace_back(name);
    }
    unzClose(zip);
    return names;
}

bool Logged(const std::string& text) {
    return test::LogText().find(text) != std::string::npos;
}

}  // namespace

TEST(Pack, WarnsAboutWhatThePlayerRefusesAndNeverPacksItsOwnArchive) {
    test::TempDir dir;
    const std::string folder = dir / "show";
    test::WriteFile(folder + "/show.xml", "<Nimbus/>\n");
    test::WriteFile(folder + "/images/Huge.TGA",
                    test::ReadFile(test::CorpusPath("tga/regression-huge-header.tga")));
    test::WriteFile(folder + "/images/fine.jpg",
                    test::ReadFile(test::TestDataPath("images/testorig.jpg")));
    std::string slow = test::ReadFile(test::TestDataPath("music/tone.wav"));
    const uint32_t rates[2] = {1, 2};
    memcpy(&slow[slow.find("fmt ") + 12], rates, sizeof rates);
    test::WriteFile(folder + "/slow.wav", slow);
    test::WriteFile(folder + "/big.glvert", std::string((1 << 20) + 1, '\n'));
    const std::string archive = folder + "/show.dat";
    Con.EnableBuffer(true);
    EXPECT_EQ(WarnAboutRefusals(folder, archive), 3);
    for (const char* refused : {"images/Huge.TGA", "slow.wav", "big.glvert"}) {
        EXPECT_TRUE(Logged(std::string("Warning: nimbus-pack: the player will refuse <") + refused))
            << refused;
    }
    EXPECT_TRUE(Logged("Error: NTGAFile: <images/Huge.TGA> declares 16384x16384 pixels"));
    EXPECT_TRUE(Logged("Error: StreamDecoder: <slow.wav> declares a rate of 1 Hz"));
    EXPECT_TRUE(Logged("<big.glvert> holds 1048577 bytes, more than the 1048576 the player"));
    // Packed twice into the folder itself: the archive never holds an archive.
    for (int round = 0; round < 2; ++round) {
        std::string error;
        ASSERT_EQ(PackDirectory(folder, archive, &error), 0) << error;
        EXPECT_EQ(EntryNames(archive),
                  (std::vector<std::string>{"big.glvert", "images/Huge.TGA", "images/fine.jpg",
                                            "show.xml", "slow.wav"}));
    }
    // A sparse file of no known kind, beyond every budget and the whole production's.
    std::ofstream(folder + "/blob.bin").close();
    std::filesystem::resize_file(folder + "/blob.bin", (1ull << 30) + 1);
    EXPECT_EQ(WarnAboutRefusals(folder, archive), 5);
    EXPECT_TRUE(Logged("Warning: nimbus-pack: the files hold "));
    Con.ResetErrorCount();
}
