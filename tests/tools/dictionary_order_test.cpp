#include <gtest/gtest.h>

#include "dictionary_order.h"

namespace {

bool Before(const char* a, const char* pa, const char* b, const char* pb) {
    return DictionaryKey(a, pa) < DictionaryKey(b, pb);
}

}  // namespace

TEST(DictionaryOrder, ComparesSyllableThenToneThenCharacter) {
    EXPECT_TRUE(Before("阿鼻地狱", "ā bí dì yù", "哀兵必胜", "āi bīng bì shèng"));  // a < ai
    EXPECT_TRUE(Before("安步当车", "ān bù dàng chē", "按图索骥", "àn tú suǒ jì"));  // tone 1 < 4
    EXPECT_TRUE(Before("西安", "xī ān", "先来", "xiān lái"));  // syllable by syllable
    EXPECT_TRUE(Before("绿林", "lù lín", "驴唇", "lǘ chún"));  // ü after u
    EXPECT_TRUE(Before("落花", "luò huā", "驴唇", "lǘ chún"));
    EXPECT_TRUE(Before("一丁", "yī dīng", "一七", "yī qī"));
    EXPECT_TRUE(Before("妈妈", "mā ma", "麻木", "má mù"));  // neutral tone inside, head tone first
}

TEST(DictionaryOrder, KeepsHeadCharactersTogetherAndPrefixesFirst) {
    // Same reading, different characters: grouped by character.
    EXPECT_TRUE(Before("举案齐眉", "jǔ àn qí méi", "沮丧", "jǔ sàng"));  // 举 U+4E3E < 沮 U+6CAE
    EXPECT_TRUE(Before("举止", "jǔ zhǐ", "沮丧", "jǔ sàng"));
    EXPECT_TRUE(Before("八仙过海", "bā xiān guò hǎi", "八仙过海，各显神通",
                       "bā xiān guò hǎi，gè xiǎn shén tōng"));
    EXPECT_NE(DictionaryKey("甲", "jiǎ"), DictionaryKey("乙", "jiǎ"));
}

TEST(DictionaryOrder, PlacesAnIdiomWithoutReadingsAfterThoseWithOne) {
    EXPECT_TRUE(Before("一", "yī", "一", ""));
}
