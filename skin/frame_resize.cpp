#include "skin/frame_resize.h"

namespace skin {

Size SkinnedWindowSize(Size client, const FrameMetrics& m) {
    return {client.width + m.BorderLeft + m.BorderRight,
            client.height + m.CaptionHeight + m.BorderBottom + m.MenuBarHeight};
}

CaptionFit FitCaptionText(int windowWidth, int captionTextWidth, const TSkinTitleObject& title) {
    // The title object's margins hold TextShift and TextRightClip.
    const int needed = title.LeftWidth + captionTextWidth + title.RightWidth;
    if (needed <= windowWidth)
        return {windowWidth, 0};
    return {needed, (needed - windowWidth) / 2};
}

Size UnskinnedWindowSize(Size skinned, Size nonClient, const FrameMetrics& m) {
    return {skinned.width + nonClient.width - m.BorderLeft - m.BorderRight,
            skinned.height + nonClient.height - m.CaptionHeight - m.BorderBottom};
}

}  // namespace skin
