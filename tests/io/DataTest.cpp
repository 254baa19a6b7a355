#include "io/Data.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TestSupport.h"
#include "base/Con.h"

TEST(Data, UnknownModeLeavesNoBackEndAndEveryOperationFails) {
    NData stream;
    EXPECT_EQ(stream.Mount(0x3000, "x"), 1);
    unsigned char* buffer = nullptr;
    EXPECT_EQ(stream.Load("a", &buffer), -1);
    EXPECT_EQ(stream.Save("a", &buffer, 0), -1);
    EXPECT_EQ(stream.OpenRead("a"), 1);
    EXPECT_EQ(stream.OpenWrite("a"), 1);
    char byte;
    EXPECT_EQ(stream.Read(&byte, 1), 1);
    EXPECT_EQ(stream.Write(&byte, 1), 1);
    EXPECT_EQ(stream.Skip(1), 1);
    EXPECT_EQ(stream.CloseFile(), 1);
}

TEST(Data, StatesGuardLoadsReadsAndWrites) {
    test::TempDir dir;
    test::WriteFile(dir / "a.bin", "abc");
    NData stream;
    ASSERT_EQ(stream.Mount(kDirectoryMode, dir.Path().c_str()), 0);
    EXPECT_EQ(stream.StreamState(), NData::kIdle);
    char byte = 0;
    EXPECT_EQ(stream.Read(&byte, 1), 1);  // idle
    ASSERT_EQ(stream.OpenRead("a.bin"), 0);
    EXPECT_EQ(stream.StreamState(), NData::kReading);
    unsigned char* buffer = nullptr;
    EXPECT_EQ(stream.Load("a.bin", &buffer), 1);  // busy
    EXPECT_EQ(stream.Write(&byte, 1), 1);         // not writing
    EXPECT_EQ(stream.ReadChar(&byte), 0);
    EXPECT_EQ(byte, 'a');
    EXPECT_EQ(stream.CloseFile(), 0);
    EXPECT_EQ(stream.StreamState(), NData::kIdle);
    EXPECT_EQ(stream.OpenRead("missing"), 1);
    EXPECT_EQ(stream.StreamState(), NData::kReading);  // stays reading
}

TEST(Data, TypedValuesRoundTripInMemoryOrder) {
    test::TempDir dir;
    NData stream;
    stream.Mount(kDirectoryMode, dir.Path().c_str());
    ASSERT_EQ(stream.OpenWrite("values.bin"), 0);
    EXPECT_EQ(stream.WriteBool(true), 0);
    EXPECT_EQ(stream.WriteInt(-7), 0);
    EXPECT_EQ(stream.WriteUInt(0xDEADBEEF), 0);
    EXPECT_EQ(stream.WriteFloat(2.5f), 0);
    EXPECT_EQ(stream.WriteChar('z'), 0);
    EXPECT_EQ(stream.WriteString("name"), 0);
    EXPECT_EQ(stream.WriteString(nullptr), 0);
    ASSERT_EQ(stream.CloseFile(), 0);
    EXPECT_EQ(test::ReadFile(dir / "values.bin").size(), 1u + 4 + 4 + 4 + 1 + 5 + 1);

    ASSERT_EQ(stream.OpenRead("values.bin"), 0);
    bool flag = false;
    int32_t number = 0;
    uint32_t bits = 0;
    float real = 0;
    char letter = 0;
    char* text = nullptr;
    EXPECT_EQ(stream.ReadBool(&flag), 0);
    EXPECT_EQ(stream.ReadInt(&number), 0);
    EXPECT_EQ(stream.ReadUInt(&bits), 0);
    EXPECT_EQ(stream.ReadFloat(&real), 0);
    EXPECT_EQ(stream.ReadChar(&letter), 0);
    EXPECT_EQ(stream.ReadString(&text), 0);
    std::unique_ptr<char[]> owned(text);
    EXPECT_TRUE(flag);
    EXPECT_EQ(number, -7);
    EXPECT_EQ(bits, 0xDEADBEEF);
    EXPECT_EQ(real, 2.5f);
    EXPECT_EQ(letter, 'z');
    EXPECT_STREQ(text, "name");
    char* none = reinterpret_cast<char*>(1);
    EXPECT_EQ(stream.ReadString(&none), 0);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(stream.ReadString(&none), 1);  // at the end
}

TEST(Data, LongStoredStringIsCutAndTheStreamStaysInStep) {
    test::TempDir dir;
    const std::string longText(300, 'q');
    test::WriteFile(dir / "s.bin", longText + std::string(1, '\0') + "next" + std::string(1, '\0'));
    NData stream;
    stream.Mount(kDirectoryMode, dir.Path().c_str());
    ASSERT_EQ(stream.OpenRead("s.bin"), 0);
    char* text = nullptr;
    EXPECT_EQ(stream.ReadString(&text), 0);
    EXPECT_EQ(std::string(text), std::string(255, 'q'));
    delete[] text;
    EXPECT_EQ(Con.ErrorCount(), 1);
    EXPECT_EQ(stream.ReadString(&text), 0);
    EXPECT_STREQ(text, "next");
    delete[] text;
}

TEST(Data, DirectionStreamsShareThePublishedBackEnd) {
    test::TempDir dir;
    test::WriteFile(dir / "f.txt", "shared");
    NData owner;
    owner.Mount(kDirectoryMode, dir.Path().c_str());
    owner.SetAsDefault(false);
    EXPECT_EQ(DefaultInputBackend(), owner.Backend());
    {
        NData reader(NData::kInput);
        EXPECT_EQ(reader.Backend(), owner.Backend());
        unsigned char* buffer = nullptr;
        EXPECT_EQ(reader.Load("f.txt", &buffer), 6);
        delete[] buffer;
        reader.SetAsDefault(true);  // not its own back-end: nothing happens
        EXPECT_EQ(DefaultOutputBackend(), nullptr);
    }
    EXPECT_EQ(DefaultInputBackend(), owner.Backend());  // the sharer did not release it
    owner.Unmount();
    EXPECT_EQ(DefaultInputBackend(), nullptr);
}
