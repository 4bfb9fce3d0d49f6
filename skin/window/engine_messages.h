// The skin engine's private window messages, which its parts send each
// other and which a skinned window answers.
#pragma once

#include <windows.h>

namespace skin::window {

enum EngineMessage : UINT {
    // Paints the frame now.
    kPaintFrameMessage = 0x3502,
    // Posted (wParam 0, lParam 1000) right after a frame object is attached:
    // the frame completes its set-up.
    kStartFrameMessage = 0x3503,
    // Posted when a caption button of the skin's own is clicked; wParam is
    // its Action.
    kCaptionActionMessage = 0x3514,
    // Sent to ask whether a caption button whose Visibility is from 1000 to
    // 2000 shows: wParam the Visibility, lParam the Action; above 0 shows it.
    kButtonShownMessage = 0x3515,
    // To a skinned control: wParam above 0 paints it in the skin, 0 in its
    // ordinary way.
    kSkinPaintingMessage = 0x3506,
    // Posted to a frame when a control's window was made anew: wParam the
    // control's window, whose scroll-bar skin the frame makes again.
    kRecreateControlSkinMessage = 0x3517,
    // Opens the menu of the menu-bar button at the screen point in lParam;
    // answers 0.
    kOpenButtonMenuMessage = 0x3518,
    // A window already handled by a skin object answers 1.
    kAlreadySkinnedMessage = 0x3523,
    // With lParam kFrameSignature: paints the frame on the device context in
    // wParam (when not 0) and answers kFrameSignature.
    kPaintFrameOnMessage = 0x3524,
    // With lParam kFrameSignature a skinned frame answers kFrameSignature.
    kIsSkinnedFrameMessage = 0x3525,
    // Sent by a frame to its own window (wParam 0, lParam kFrameSignature)
    // after it started and after each refresh, for the other skinned parts.
    kFrameReadyMessage = 0x3526,
    // Posted to a skinned scroll-bar window while its own tracking runs,
    // after each step the tracking drew in the ordinary look.
    kTrackingStepMessage = 0x3527,
};

constexpr LPARAM kFrameSignature = 16802;

}  // namespace skin::window
