#include "skin_painter.h"

#include "controls.h"
#include "frame.h"

namespace paint {

SkinFiles PaintSkin(const Description& d) {
    SkinFiles out;
    out.ini.Section("TitlebarSkin");
    out.ini.Key("SkinName", d.Text("skin", "name"));

    out.ini.Section("Colours");
    for (const char* key :
         {"WindowText", "ButtonFace", "Scrollbar", "HilightText", "Hilight", "Menubar", "Menu",
          "MenuText", "ButtonText", "ButtonHilight", "Buttonlight", "ButtonShadow",
          "ButtonDkShadow", "MenuBarText", "TitleTextActive", "TitleTextNoActive"}) {
        out.ini.Key(key, d.ColourOf("colours", key));
    }
    PaintFrame(d, out);
    PaintControls(d, out);

    const std::vector<std::string> unread = d.Unread();
    if (!unread.empty()) {
        std::string list;
        for (const std::string& u : unread)
            list += "\n  " + u;
        throw DescriptionError("keys that nothing reads:" + list);
    }
    return out;
}

}  // namespace paint
