// Packing a production folder: what the player will refuse is told before it is
// packed, and the archive never swallows itself.
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
    for (int status = zip ? unzGoToFirstFile(zip) : UNZ_END_OF_LIST_OF_FILE; status == UNZ_OK;
         status = unzGoToNextFile(zip)) {
        unz_file_info info;
        char name[256];
        unzGetCurrentFileInfo(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0);
        names.emplace_back(name);
    }
    if (zip) {
        unzClose(zip);
    }
    return names;
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
    test::WriteFile(folder + "/tone.ogg", test::ReadFile(test::TestDataPath("music/tone.ogg")));
    test::WriteFile(folder + "/big.glvert", std::string((1 << 20) + 1, '\n'));
    const std::string archive = folder + "/show.dat";

    Con.EnableBuffer(true);
    EXPECT_EQ(WarnAboutRefusals(folder, archive), 3);
    const std::string log = test::LogText();
    for (const char* refused : {"images/Huge.TGA", "slow.wav", "big.glvert"}) {
        EXPECT_NE(log.find(std::string("Warning: nimbus-pack: the player will refuse <") + refused),
                  std::string::npos)
            << log;
    }
    // Each with the player's own reason.
    EXPECT_NE(log.find("Error: NTGAFile: <images/Huge.TGA> declares 16384x16384 pixels"),
              std::string::npos);
    EXPECT_NE(log.find("Error: StreamDecoder: <slow.wav> declares a rate of 1 Hz"),
              std::string::npos);
    EXPECT_NE(log.find("Warning: nimbus-pack: <big.glvert> holds 1048577 bytes, more than the "
                       "1048576 the player loads"),
              std::string::npos);

    // Packed twice into the folder itself: the archive never holds an archive.
    const std::vector<std::string> expected = {"big.glvert", "images/Huge.TGA", "images/fine.jpg",
                                               "show.xml",   "slow.wav",        "tone.ogg"};
    for (int round = 0; round < 2; ++round) {
        std::string error;
        ASSERT_EQ(PackDirectory(folder, archive, &error), 0) << error;
        EXPECT_EQ(EntryNames(archive), expected);
    }

    // A file of no known kind beyond every budget, which takes the folder past what a
    // production may hold; sparse, so the test writes nothing.
    std::filesystem::resize_file(folder + "/show.xml", 0);
    std::filesystem::remove(folder + "/big.glvert");
    std::filesystem::remove(folder + "/slow.wav");
    std::filesystem::remove(folder + "/images/Huge.TGA");
    std::ofstream(folder + "/blob.bin").close();
    std::filesystem::resize_file(folder + "/blob.bin", (1ull << 30) + 1);
    Con.EnableBuffer(false);
    Con.EnableBuffer(true);
    EXPECT_EQ(WarnAboutRefusals(folder, archive), 2);
    EXPECT_NE(test::LogText().find("nimbus-pack: the files hold "), std::string::npos);
    Con.ResetErrorCount();
}
