#pragma once
#include "forms/control.h"

namespace tubalyx {

// One scroll bar of a form: the position is kept within 0 and the range.
struct TScrollBarState {
    int Position = 0;
    int Range = 0;
    bool Visible = true;
    bool operator==(const TScrollBarState&) const = default;
};

class TForm : public TControl {
public:
    explicit TForm(std::string name);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v) {
        if (caption_ != v) {
            caption_ = v;
            Changed();
        }
    }

    // Frame of the window: borders left and right, title bar and menu bar above.
    static constexpr int FrameWidth = 16;
    static constexpr int FrameHeight = 59;
    int ClientWidth() const override { return Width() - FrameWidth; }
    int ClientHeight() const override { return Height() - FrameHeight; }
    void SetClientWidth(int v) override { SetWidth(v + FrameWidth); }
    void SetClientHeight(int v) override { SetHeight(v + FrameHeight); }

    const TScrollBarState& HorzScrollBar() const { return horz_; }
    const TScrollBarState& VertScrollBar() const { return vert_; }
    void SetHorzScrollPosition(int v);
    void SetVertScrollPosition(int v);
    void SetHorzScrollRange(int v);
    void SetVertScrollRange(int v);
    // Automatic scroll ranges follow the controls; the layout switches them off.
    bool AutoScroll() const { return autoScroll_; }

    // Prints the window as it looks, through the installed image printer (the renderer's);
    // false when there is none.
    bool Print();
    using ImagePrinter = std::function<bool(TForm&)>;
    static void SetImagePrinter(ImagePrinter printer);

    void SetAutoScroll(bool v) {
        if (autoScroll_ != v) {
            autoScroll_ = v;
            Changed();
        }
    }

    // The window's create event: fired once, after the controls exist and before the
    // message loop starts.
    TNotifyEvent OnCreate;

private:
    std::string caption_;
    TScrollBarState horz_, vert_;
    bool autoScroll_ = true;
};

}  // namespace tubalyx
