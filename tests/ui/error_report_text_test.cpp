#include <gtest/gtest.h>

#include "ui/error_report_text.h"

TEST(ErrorReportText, AppendsAFullStopAfterCharactersThatSortAfterIt) {
    EXPECT_EQ(ui::ErrorReportText("Unable to write to C:\\x.ini"), "Unable to write to C:\\x.ini.");
    EXPECT_EQ(ui::ErrorReportText("找不到成语数据库文件“C:\\IdiomDB.dll”"),
              "找不到成语数据库文件“C:\\IdiomDB.dll”.");
    EXPECT_EQ(ui::ErrorReportText("Failed to set data for 'LexoraRun'"),
              "Failed to set data for 'LexoraRun'");
    EXPECT_EQ(ui::ErrorReportText("Done."), "Done.");
    EXPECT_EQ(ui::ErrorReportText("Really!"), "Really!");  // "!" sorts before "."
    EXPECT_EQ(ui::ErrorReportText("(see above)"), "(see above)");
    EXPECT_EQ(ui::ErrorReportText("a/"), "a/.");
    EXPECT_EQ(ui::ErrorReportText(""), "");
}
