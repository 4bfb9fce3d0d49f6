#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "canvas.h"
#include "description.h"
#include "frame.h"
#include "program_bitmaps.h"
#include "skin_files.h"
#include "skin_painter.h"

using paint::Description;
using pixels::Bitmap;
using pixels::MakePixel;

namespace {

// Enough for the frame: a blue caption with rounded corners, two buttons on
// the right that are clear except in their hot state.
const char* kFrame = R"(
[colours]
TitleTextActive = #ffffff
TitleTextNoActive = #c0c0c0

[frame]
caption = 24
border = 4
bottom = 4
radius = 8

[frame.active]
edge = #204080
caption = #3060c0 #1040a0

[frame.inactive]
edge = #8090a0
caption = #a0b0c0

[captionbuttons]
order = close min
size = 18 16
top = 4
edge = 5
gap = 2
sign = 50 15

[capbutton]
glyph = #ffffff

[capbutton.hot]
fill = #ff0000

[caption]
left = 8
top = 5
font = 13
)";

// The keys of one section of a definition text, the first of each name.
std::map<std::string, std::string> Section(const std::string& ini, const std::string& name) {
    std::map<std::string, std::string> keys;
    const size_t start = ini.find("[" + name + "]\r\n");
    if (start == std::string::npos)
        return keys;
    size_t at = ini.find('\n', start) + 1;
    while (at < ini.size() && ini[at] != '[' && ini[at] != '\r') {
        const size_t end = ini.find("\r\n", at);
        const std::string line = ini.substr(at, end - at);
        const size_t equals = line.find('=');
        keys.try_emplace(line.substr(0, equals), line.substr(equals + 1));
        at = end + 2;
    }
    return keys;
}

const Bitmap& Picture(const paint::SkinFiles& files, const std::string& name) {
    for (const auto& p : files.pictures) {
        if (p.name == name)
            return p.bitmap;
    }
    throw std::runtime_error("no picture " + name);
}

}  // namespace

TEST(SkinPainter, CutsTheFrameFromOneWindowWithRoundedTransparentCorners) {
    paint::SkinFiles files;
    paint::PaintFrame(Description::Parse(kFrame), files);
    const std::string ini = files.ini.Text();
    const auto personality = Section(ini, "Personality");
    EXPECT_EQ(personality.at("LeftFrame"), "2");
    EXPECT_EQ(personality.at("LeftTopHeight"), "24");  // the caption rows stay whole
    EXPECT_EQ(personality.at("LeftTrans"), "1");
    EXPECT_EQ(personality.at("BottomTrans"), "0");  // square at the bottom

    const Bitmap& left = Picture(files, "left.bmp");
    const Bitmap& top = Picture(files, "top.bmp");
    const Bitmap& bottom = Picture(files, "bottom.bmp");
    EXPECT_EQ(left.Width(), 2 * 4);
    EXPECT_EQ(top.Height(), 2 * 24);
    EXPECT_EQ(bottom.Height(), 2 * 4);
    // The outer corner is transparent in both states, the inner edge not.
    EXPECT_EQ(left.At(0, 0), pixels::kMagenta);
    EXPECT_EQ(left.At(4, 0), pixels::kMagenta);
    EXPECT_NE(left.At(3, 30), pixels::kMagenta);
    EXPECT_NE(left.At(0, left.Height() - 1), pixels::kMagenta);
    // The top border continues the rounding into its left end.
    EXPECT_EQ(top.At(0, 0), pixels::kMagenta);
    EXPECT_NE(top.At(top.Width() / 2, 0), pixels::kMagenta);
}

TEST(SkinPainter, PaintsCaptionButtonsOverTheCaptionTheyCover) {
    paint::SkinFiles files;
    paint::PaintFrame(Description::Parse(kFrame), files);
    const std::string ini = files.ini.Text();
    const auto personality = Section(ini, "Personality");
    const auto close = Section(ini, "ButtonClose");
    const auto min = Section(ini, "ButtonMin");
    EXPECT_EQ(close.at("Action"), "0");
    EXPECT_EQ(close.at("Align"), "1");
    EXPECT_EQ(close.at("Xcoord"), "23");  // 5 from the edge, 18 wide
    EXPECT_EQ(min.at("Xcoord"), "43");
    EXPECT_EQ(close.at("frame"), "4");
    // The caption text stops before the buttons.
    EXPECT_EQ(personality.at("TextRightClip"), "47");

    // The buttons stand within the top border's unscaled right end, so they
    // cover the same pixels whatever the window's width: a clear button
    // shows exactly those.
    const Bitmap& top = Picture(files, "top.bmp");
    const int rightEnd = std::stoi(personality.at("TopBotHeight"));
    EXPECT_GE(rightEnd, 43 - 4);
    const Bitmap& button = Picture(files, "close.bmp");
    ASSERT_EQ(button.Width(), 4 * 18);
    ASSERT_EQ(button.Height(), 16);
    const int x0 = top.Width() - (23 - 4);  // the button's left edge in the top border
    for (int y = 0; y < 16; y += 5) {
        EXPECT_EQ(button.At(0, y), top.At(x0, 4 + y)) << y;            // normal, active
        EXPECT_EQ(button.At(3 * 18, y), top.At(x0, 24 + 4 + y)) << y;  // inactive
    }
    EXPECT_EQ(button.At(2 * 18 + 1, 1), MakePixel(255, 0, 0));  // hot
    // The sign in the middle of every state.
    EXPECT_EQ(button.At(9, 8), MakePixel(255, 255, 255));
}

TEST(SkinPainter, NeverPaintsMagentaByAccident) {
    paint::Canvas c(4, 1);
    c.Fill(paint::Box({0, 0, 2, 1}), {255, 0, 255});
    c.Fill(paint::Box({2, 0, 3, 1}), {255, 0, 255}, 0.4f);  // under half covered
    const Bitmap b = c.ToBitmap();
    EXPECT_EQ(b.At(0, 0), MakePixel(254, 0, 255));
    EXPECT_EQ(b.At(2, 0), pixels::kMagenta);
    EXPECT_EQ(b.At(3, 0), pixels::kMagenta);
    // Over a matte, a half-covered pixel mixes with it.
    paint::Canvas soft(1, 1);
    soft.Fill(paint::Box({0, 0, 1, 1}), {200, 100, 0}, 0.6f);
    EXPECT_EQ(soft.ToBitmap(paint::Colour{0, 0, 100}).At(0, 0), MakePixel(120, 60, 40));
}

TEST(SkinPainter, RefusesADescriptionWithKeysNothingReads) {
    std::ifstream in(std::string(LEXORA_SKIN_DESCRIPTIONS) + "/default.skin");
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(text.empty());
    EXPECT_NO_THROW(paint::PaintSkin(Description::Parse(text)));
    text += "\n[buton.hot]\nfill = #ffffff\n";
    try {
        paint::PaintSkin(Description::Parse(text));
        FAIL() << "painted";
    } catch (const paint::DescriptionError& e) {
        EXPECT_NE(std::string(e.what()).find("keys that nothing reads:\n  line "),
                  std::string::npos)
            << e.what();
        EXPECT_NE(std::string(e.what()).find(": [buton.hot] fill"), std::string::npos) << e.what();
    }
}

TEST(SkinPainter, KeepsSectionsInTheOrderTheyWereFirstChosen) {
    paint::IniText ini;
    ini.Section("TitlebarSkin");
    ini.Key("SkinName", "x");
    ini.Section("Personality");
    ini.Key("Left", "left.bmp");
    ini.Section("Buttons");
    ini.Key("Trans", 1);
    ini.Section("Personality");
    ini.Key("Colour", paint::Colour{236, 233, 216});
    EXPECT_EQ(ini.Text(),
              "[TitlebarSkin]\r\nSkinName=x\r\n\r\n[Personality]\r\nLeft=left.bmp\r\n"
              "Colour=236 233 216\r\n\r\n[Buttons]\r\nTrans=1\r\n");
}

TEST(SkinPainter, PaintsTheProgramsOwnBitmaps) {
    const Bitmap glyphs = paint::MenuGlyphs();
    ASSERT_EQ(glyphs.Width(), 64);
    ASSERT_EQ(glyphs.Height(), 16);
    for (int g = 0; g < 4; ++g) {
        int ink = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const pixels::Pixel p = glyphs.At(16 * g + x, y);
                ASSERT_TRUE(p == MakePixel(0, 0, 0) || p == MakePixel(255, 255, 255));
                ink += p == MakePixel(0, 0, 0);
            }
        }
        EXPECT_GT(ink, 8) << "glyph " << g;
    }
    const Bitmap track = paint::Track(), vertical = paint::TrackVert();
    EXPECT_GT(track.Width(), 6);  // longer than its two 3-pixel ends
    EXPECT_EQ(vertical.Width(), track.Height());
    EXPECT_EQ(vertical.Height(), track.Width());
}
