// A skin manager and window parts that record what a skin data asks of
// them, for the tests of the skin data's behaviour.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "skin/skin_data.h"
#include "skin/skin_manager.h"
#include "skin_test_helpers.h"

namespace skintest {

// Each call as a line: "add", "remove", "post 3 250", "run 1", "enable 1",
// "pending", "drop", "hook", "skin owner".
class RecordingManager : public skin::SkinManager {
  public:
    void AddSkinData(skin::TSkinData&) override { calls.push_back("add"); }
    void RemoveSkinData(skin::TSkinData&) override { calls.push_back("remove"); }
    void PostCommand(skin::ManagerCommand command, int delayMs) override {
        calls.push_back("post " + std::to_string(static_cast<int>(command)) + " " +
                        std::to_string(delayMs));
    }
    skin::ManagerRunState RunState() const override { return runState; }
    void SetRunState(skin::ManagerRunState state) override {
        runState = state;
        calls.push_back("run " + std::to_string(static_cast<int>(state)));
    }
    void SetEnabled(bool enabled) override {
        calls.push_back(std::string("enable ") + (enabled ? "1" : "0"));
    }
    void SetPendingSkinData(skin::TSkinData& data) override {
        pending = &data;
        calls.push_back("pending");
    }
    void DropCaptionButtons(skin::TSkinData&) override { calls.push_back("drop"); }
    void InstallHook() override { calls.push_back("hook"); }
    void SkinOwnerForm(skin::TSkinData&) override { calls.push_back("skin owner"); }
    bool HasScrollBarInfo() const override { return scrollBarInfo; }

    std::vector<std::string> calls;
    skin::ManagerRunState runState = skin::ManagerRunState::Idle;
    skin::TSkinData* pending = nullptr;
    bool scrollBarInfo = true;
};

// Counts what it makes; the caption font measures like RecordingText.
class CountingWindowParts : public skin::SkinDataWindowParts {
  public:
    std::unique_ptr<skin::TextPainter> MakeCaptionFont() override {
        ++fonts;
        return std::make_unique<RecordingText>();
    }
    pixels::Bitmap MakeApplicationIcon() override {
        ++icons;
        return pixels::Bitmap(16, 16, pixels::kMagenta);
    }

    int fonts = 0;
    int icons = 0;
};

// The manager slot a test's skin data joins; the manager is the recording
// one, made on first need like the real one.
class ManagerSlotForTests {
  public:
    // Null until a skin data has made it.
    RecordingManager* Made() const { return made_; }

    // What the manager will say once made.
    bool scrollBarInfo = true;
    skin::SkinManagerSlot slot{[this] {
        auto manager = std::make_unique<RecordingManager>();
        manager->scrollBarInfo = scrollBarInfo;
        made_ = manager.get();
        return manager;
    }};

  private:
    RecordingManager* made_ = nullptr;
};

}  // namespace skintest
