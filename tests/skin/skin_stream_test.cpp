#include <gtest/gtest.h>

#include "skin_test_helpers.h"

#include "skin/skin_stream.h"

using skin::MemoryStream;
using skintest::Bytes;
using skintest::Skip;

TEST(SkinStream, StoresALengthAndTheArchive) {
    MemoryStream formData(Bytes("xx"));
    Skip(formData, 2);
    skin::WriteSkinStream(MemoryStream(Bytes("ARCH")), formData);
    skin::WriteSkinStream(MemoryStream(), formData);
    EXPECT_EQ(formData.Bytes(), Bytes(std::string_view("xx\x04\0\0\0ARCH\0\0\0\0", 14)));

    formData.Rewind();
    Skip(formData, 2);
    MemoryStream archive;
    EXPECT_TRUE(skin::ReadSkinStream(formData, archive));
    EXPECT_EQ(archive.Bytes(), Bytes("ARCH"));
    EXPECT_FALSE(skin::ReadSkinStream(formData, archive)) << "length 0";
    EXPECT_EQ(archive.Bytes(), Bytes("ARCH")) << "nothing more is read";
    EXPECT_EQ(formData.Position(), formData.Size());
}

TEST(SkinStream, ReadsNothingMoreForABadLength) {
    MemoryStream negative(
        Bytes(std::string_view("\xFE\xFF\xFF\xFF"
                               "ABCD",
                               8)));
    MemoryStream archive(Bytes("kept"));
    EXPECT_FALSE(skin::ReadSkinStream(negative, archive));
    EXPECT_EQ(negative.Position(), 4u);
    EXPECT_EQ(archive.Bytes(), Bytes("kept"));

    MemoryStream pastTheEnd(Bytes(std::string_view("\x09\0\0\0ABCD", 8)));
    EXPECT_FALSE(skin::ReadSkinStream(pastTheEnd, archive));
    EXPECT_EQ(archive.Size(), 0u);

    MemoryStream cutShort(Bytes("\x01"));
    EXPECT_FALSE(skin::ReadSkinStream(cutShort, archive));
}
