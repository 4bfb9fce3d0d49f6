#include "store/idiom_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(IdiomList, GivesBackEveryIdiomInOrderEmptyAndLongOnesIncluded) {
    store::IdiomList list;
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(list.begin(), list.end());
    const std::string longOne(70000, 'x');
    const std::vector<std::string> idioms = {"", "一言为定", longOne, "", "a"};
    for (const std::string& idiom : idioms)
        list.Add(idiom);
    EXPECT_EQ(list.size(), idioms.size());
    EXPECT_EQ(std::vector<std::string>(list.begin(), list.end()), idioms);
}
