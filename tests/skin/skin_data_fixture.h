// The skin data as the tests of its loading and switching make it: small
// skins in a store, the recording skin manager, fixed system values.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fixed_look.h"
#include "recording_manager.h"
#include "skin/bmp_file.h"
#include "skin/skin_data.h"
#include "test_skins.h"
#include "tools/skin_archive_writer.h"

namespace skintest {

inline std::vector<uint8_t> Text(std::string_view text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

// A skin with most optional parts, its own track pictures and a composed
// combo box.
inline std::vector<SkinArchiveMember> FullSkin() {
    return {
        {"skin.ini", Text("[TitlebarSkin]\nSkinName=Full\n"
                          "[Personality]\nTop=top.bmp\nTopFrame=2\nLeft=side.bmp\nLeftFrame=2\n"
                          "Right=side.bmp\nBottom=top.bmp\nmenuBar=bar.bmp\n"
                          "[Colours]\nButtonFace=236 233 216\n"
                          "[Button1]\nAction=0\nButtonImage=Close.bmp\nAlign=1\nXcoord=22\n"
                          "[Buttons]\nBitmap=buttons.bmp\nLeftWidth=3\nRightWidth=3\n"
                          "[ComboButton]\nImage=combo.bmp\n"
                          "[SunkEdge]\nImage=edge.bmp\nLeftWidth=1\nRightWidth=1\n"
                          "[ExtraImages]\nImage=glyphs.bmp\n"
                          "[Scrollbar]\nImage=scroll.bmp\n"
                          "[Tabs]\nImage=tabs.bmp\nBorder=edge.bmp\n"
                          "[Track]\nImage=track.bmp\nFrame=2\n"
                          "[TRACKVERT]\nImage=trackv.bmp\n")},
        {"top.bmp", skin::WriteBmp(States(1, 2, 30, 24))},
        {"side.bmp", skin::WriteBmp(States(2, 2, 4, 30))},
        {"bar.bmp", skin::WriteBmp(States(3, 2, 20, 19))},
        {"close.bmp", skin::WriteBmp(States(4, 3, 18, 18))},
        {"buttons.bmp", skin::WriteBmp(States(5, 5, 16, 20))},
        {"combo.bmp", skin::WriteBmp(States(6, 4, 17, 19))},
        {"edge.bmp", skin::WriteBmp(States(7, 4, 6, 6))},
        {"glyphs.bmp", skin::WriteBmp(States(8, 5, 7, 4))},
        {"scroll.bmp", skin::WriteBmp(States(9, 23, 17, 17))},
        {"tabs.bmp", skin::WriteBmp(States(10, 5, 10, 10))},
        {"track.bmp", skin::WriteBmp(States(11, 2, 8, 8))},
        {"trackv.bmp", skin::WriteBmp(States(12, 1, 8, 8))},
    };
}

// A skin with little more than a name: its optional parts are absent.
inline std::vector<SkinArchiveMember> BareSkin() {
    return {{"bare.ini", Text("[TitlebarSkin]\nSkinName=Bare\n[Colours]\nButtonFace=1 2 3\n")}};
}

inline std::vector<uint8_t> Archive(const std::vector<SkinArchiveMember>& members) {
    return PackSkinArchive(BuildSkinPayload(members));
}

// An archive whose payload does not begin with the magic.
inline std::vector<uint8_t> OlderArchive() {
    std::vector<uint8_t> payload = BuildSkinPayload(FullSkin());
    payload[0] = 0x1F;
    return PackSkinArchive(payload);
}

class SkinDataTest : public ::testing::Test {
  protected:
    SkinDataTest() {
        resources.pictures["TRACK"] = States(20, 1, 9, 4);
        resources.pictures["TRACKVERT"] = States(21, 1, 4, 9);
        resources.pictures["MENUGLYPHS"] = States(22, 4, 16, 16);
        for (const auto& archive : {Archive(FullSkin()), Archive(BareSkin()), OlderArchive()})
            store.Store().Add().ReadDataStream(skin::MemoryStream(archive));
    }

    std::unique_ptr<skin::TSkinData> Make() {
        return std::make_unique<skin::TSkinData>(skin::SkinDataServices{
            look, resources, [this](const std::string& text) { messages.push_back(text); },
            managers.slot, parts});
    }

    // How often a skin data has told the manager of a new skin.
    int Applications() const {
        const skintest::RecordingManager* m = managers.Made();
        return m ? static_cast<int>(std::count(m->calls.begin(), m->calls.end(), "drop")) : 0;
    }

    FixedLook look;
    Resources resources;
    ManagerSlotForTests managers;
    CountingWindowParts parts;
    skin::TSkinStore store;
    std::vector<std::string> messages;
};

enum { kFull = 0, kBare = 1, kOlder = 2 };

}  // namespace skintest
