// What a skin data asks of the process-wide skin manager. The window half
// implements it with its window hook and command timer; tests record the
// calls.
#pragma once

#include <functional>
#include <memory>

namespace skin {

class TSkinData;

// The commands the manager carries out on its timer's tick.
enum class ManagerCommand { SwitchOn = 1, SwitchOff = 2, Refresh = 3, PurgeClosed = 6 };

// Idle until the first window activation (or `Active` set at run time);
// closing while the manager is destroyed.
enum class ManagerRunState { Idle = 0, Started = 1, Closing = 4 };

class SkinManager {
  public:
    virtual ~SkinManager() = default;

    virtual void AddSkinData(TSkinData& data) = 0;
    virtual void RemoveSkinData(TSkinData& data) = 0;

    // The next tick runs `command`, `delayMs` from now; a later post
    // replaces it. While idle, switching on and off only set the enabled
    // flag.
    virtual void PostCommand(ManagerCommand command, int delayMs) = 0;
    virtual ManagerRunState RunState() const = 0;
    virtual void SetRunState(ManagerRunState state) = 0;
    // New windows and menus are skinned only while enabled.
    virtual void SetEnabled(bool enabled) = 0;
    // The skin data the next command is for.
    virtual void SetPendingSkinData(TSkinData& data) = 0;
    // Every skinned window of `data` drops its caption buttons, to make
    // them again from the skin that data now holds.
    virtual void DropCaptionButtons(TSkinData& data) = 0;

    // Starts watching the creation and activation of windows.
    virtual void InstallHook() = 0;
    // Skins the form that owns `data` at once, when its owner is a form.
    virtual void SkinOwnerForm(TSkinData& data) = 0;

    // Whether the system reports the parts of a window's scroll bars; the
    // skinned scroll bars cannot work without it.
    virtual bool HasScrollBarInfo() const = 0;
};

// Where the one skin manager of the process lives: made by the first skin
// data that needs it, freed with the slot.
class SkinManagerSlot {
  public:
    explicit SkinManagerSlot(std::function<std::unique_ptr<SkinManager>()> make)
        : make_(std::move(make)) {}

    // Null until made.
    SkinManager* Get() const { return manager_.get(); }
    SkinManager& GetOrMake() {
        if (!manager_)
            manager_ = make_();
        return *manager_;
    }

  private:
    std::function<std::unique_ptr<SkinManager>()> make_;
    std::unique_ptr<SkinManager> manager_;
};

}  // namespace skin
