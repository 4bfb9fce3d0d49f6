#include <gtest/gtest.h>

#include <string>

#include "description.h"

using paint::Description;
using paint::DescriptionError;

namespace {

// The message of the error that parsing `text` raises, or "" when it parses.
std::string ParseError(const std::string& text) {
    try {
        Description::Parse(text);
    } catch (const DescriptionError& e) {
        return e.what();
    }
    return "";
}

// The message of the error that `read` raises on the parsed `text`.
template <typename Read>
std::string ReadError(const std::string& text, Read read) {
    const Description d = Description::Parse(text);
    try {
        read(d);
    } catch (const DescriptionError& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(SkinDescription, RefusesMalformedLinesNamingTheLine) {
    EXPECT_EQ(ParseError("name = x\n"), "line 1: a key before the first section");
    EXPECT_EQ(ParseError("[a]\n\nfill #ffffff\n"), "line 3: expected \"key = value\"");
    EXPECT_EQ(ParseError("[a\n"), "line 1: a section header is \"[name]\"");
    EXPECT_EQ(ParseError("[]\n"), "line 1: a section header is \"[name]\"");
    EXPECT_EQ(ParseError("[a]\n = 3\n"), "line 2: a value without a key");
    EXPECT_EQ(ParseError("[a]\nx =\n"), "line 2: key \"x\" has no value");
    EXPECT_EQ(ParseError("[a]\nx = 1\n# x = 2\nx = 3\n"), "line 4: key \"x\" given twice");
    EXPECT_EQ(ParseError("[a]\n[b]\n[a]\n"), "line 3: section [a] given twice");
    EXPECT_EQ(ParseError("# comment\r\n[a]\r\n  x = 1  \r\n"), "");
}

TEST(SkinDescription, RefusesFallbacksThatLeadNowhereOrInACircle) {
    EXPECT_EQ(ParseError("[a]\nlike = b\n"), "line 2: no section [b] to be like");
    EXPECT_EQ(ParseError("[a]\nlike = b\n[b]\nlike = a\n"),
              "line 1: the fallbacks of [a] run in a circle");
    // A state that is like its own base, which then names the state again.
    EXPECT_EQ(ParseError("[a.hot]\nlike = a\n[a]\nlike = a.hot\n"),
              "line 3: the fallbacks of [a] run in a circle");
    EXPECT_EQ(ParseError("[a.hot.x]\n[a]\nlike = b\n[b]\n"), "");
}

TEST(SkinDescription, LooksUpThroughLikeAndThenTheBaseSection) {
    const Description d = Description::Parse(
        "[capbutton]\nfill = #000001\nborder = #000002\nglyph = #000003\n"
        "[capclose]\nlike = capbutton\nfill = #0000aa\n"
        "[capclose.hot]\nborder = #0000bb\n");
    EXPECT_EQ(d.ColourOf("capclose.hot", "border").b, 0xbb);  // its own
    EXPECT_EQ(d.ColourOf("capclose.hot", "fill").b, 0xaa);    // from [capclose]
    EXPECT_EQ(d.ColourOf("capclose.hot", "glyph").b, 3);      // through like
    // A section that does not exist still falls back to its base.
    EXPECT_EQ(d.ColourOf("capclose.pressed", "fill").b, 0xaa);
    EXPECT_FALSE(d.Has("capclose.hot", "gloss"));
    EXPECT_FALSE(d.Has("other", "fill"));
}

TEST(SkinDescription, ListsTheKeysNothingReadWithTheirLines) {
    const Description d = Description::Parse(
        "[a]\nfill = #000001\nglos = 30\n[a.hot]\nborder = #000002\n[b]\nlike = a\n");
    d.ColourOf("b", "fill");  // read through [b]'s like, so [a] fill counts as read
    const std::vector<std::string> unread = d.Unread();
    ASSERT_EQ(unread.size(), 2u);
    EXPECT_EQ(unread[0], "line 3: [a] glos");
    EXPECT_EQ(unread[1], "line 5: [a.hot] border");
}

TEST(SkinDescription, RefusesValuesOfTheWrongKind) {
    const std::string text =
        "[s]\nshort = #12345\nletters = #gg0000\nplain = 12x\nsize = 21\nfill = #000000@50 "
        "#ffffff@20\n"
        "far = #000000@120\nkind = oval\ntint = #ffffff\nstrong = #ffffff 140\n";
    EXPECT_EQ(ReadError(text, [](const Description& d) { d.ColourOf("s", "short"); }),
              "line 2: \"#12345\" is not a colour \"#rrggbb\"");
    EXPECT_EQ(ReadError(text, [](const Description& d) { d.ColourOf("s", "letters"); }),
              "line 3: \"#gg0000\" is not a colour \"#rrggbb\"");
    EXPECT_EQ(ReadError(text, [](const Description& d) { d.Int("s", "plain"); }),
              "line 4: \"12x\" is not a whole number");
    EXPECT_EQ(ReadError(text, [](const Description& d) { d.Ints("s", "size", 2); }),
              "line 5: \"size\" takes 2 numbers");
    EXPECT_EQ(ReadError(text, [](const Description& d) { d.GradientOf("s", "fill"); }),
              "line 6: the colours of a gradient go in order of their places");
    EXPECT_EQ(ReadError(text, [](const Description& d) { d.GradientOf("s", "far"); }),
              "line 7: \"#000000@120\" needs a place from @0 to @100");
    EXPECT_EQ(ReadError(text,
                        [](const Description& d) {
                            d.Word("s", "kind", {"rect", "round"}, "rect");
                        }),
              "line 8: \"kind\" is one of rect, round");
    EXPECT_EQ(ReadError(text, [](const Description& d) { d.OptionalTint("s", "tint"); }),
              "line 9: \"#ffffff\" is not \"#rrggbb percent\"");
    EXPECT_EQ(ReadError(text, [](const Description& d) { d.OptionalTint("s", "strong"); }),
              "line 10: \"#ffffff 140\" is not \"#rrggbb percent\"");
    EXPECT_EQ(ReadError(text, [](const Description& d) { d.Int("s", "missing"); }),
              "line 1: [s] needs \"missing\"");
    EXPECT_EQ(ReadError(text, [](const Description& d) { d.Int("nowhere", "x"); }),
              "[nowhere] needs \"x\"");
}

TEST(SkinDescription, ReadsGradientsEvenlyOrAtTheirPlaces) {
    const Description d = Description::Parse(
        "[s]\neven = #000000 #640000 #c80000\nplaced = #000000 #ff0000@20 #ff0000@80 #000000\n"
        "solid = #102030\nnothing = none\n");
    const paint::Gradient even = d.GradientOf("s", "even");
    EXPECT_FLOAT_EQ(even.At(0.25f).r, 50);
    EXPECT_FLOAT_EQ(even.At(0.75f).r, 150);
    const paint::Gradient placed = d.GradientOf("s", "placed");
    EXPECT_FLOAT_EQ(placed.At(0.1f).r, 127.5f);
    EXPECT_FLOAT_EQ(placed.At(0.5f).r, 255);
    EXPECT_FLOAT_EQ(placed.At(1.0f).r, 0);
    EXPECT_EQ(d.GradientOf("s", "solid").At(0.7f), (paint::Colour{16, 32, 48}));
    EXPECT_FALSE(d.OptionalGradient("s", "nothing"));
    EXPECT_FALSE(d.OptionalGradient("s", "absent"));
}
