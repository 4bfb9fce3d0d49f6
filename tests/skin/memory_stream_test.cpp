#include <gtest/gtest.h>

#include "skin/memory_stream.h"

using skin::MemoryStream;

TEST(MemoryStream, ReadsWhatIsLeftAndWritesOverOrOn) {
    MemoryStream s;
    s.Write(std::vector<uint8_t>{1, 2, 3, 4});
    EXPECT_EQ(s.Position(), 4u);
    std::vector<uint8_t> buffer(3);
    EXPECT_EQ(s.Read(buffer), 0u);
    s.Rewind();
    EXPECT_EQ(s.Read(buffer), 3u);
    EXPECT_EQ(s.Read(buffer), 1u);
    EXPECT_EQ(buffer[0], 4);
    s.Rewind();
    std::vector<uint8_t> two(2);
    s.Read(two);
    s.Write(std::vector<uint8_t>{7, 8, 9});  // over 3 and 4, then on
    EXPECT_EQ(s.Bytes(), (std::vector<uint8_t>{1, 2, 7, 8, 9}));
    s.Clear();
    EXPECT_EQ(s.Size(), 0u);
    EXPECT_EQ(s.Position(), 0u);
}
