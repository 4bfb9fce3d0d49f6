#include <gtest/gtest.h>

#include "output/plain_text_file.h"

TEST(PlainTextFile, IsGbkWithCarriageReturnLineFeedBetweenLines) {
    EXPECT_EQ(output::PlainTextFileBytes("按图索骥\r首字母：ATSJ\n\r\nab"),
              "\xB0\xB4\xCD\xBC\xCB\xF7\xE6\xF7\r\n"
              "\xCA\xD7\xD7\xD6\xC4\xB8\xA3\xBA"
              "ATSJ\r\n\r\nab");
    EXPECT_EQ(output::PlainTextFileBytes(""), "");
    EXPECT_EQ(output::PlainTextFileBytes("a\r\n"), "a\r\n")
        << "the view's own line breaks, no more";
}
