#pragma once
#include "forms/control.h"

namespace tubalyx {

// A label. With AutoSize (the default) its size follows its caption and font by the
// font-metric model: one character = font size * 17 div 20 pixels wide, the font height high.
class TLabel : public TControl {
public:
    using TControl::TControl;
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v) {
        if (caption_ != v) {
            caption_ = v;
            Changed();
        }
    }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v) {
        if (autoSize_ != v) {
            autoSize_ = v;
            Changed();
        }
    }
    // A label that starts something works as a button for the keyboard: Tab reaches it and
    // Space or Return click it. Other labels are the mouse's only.
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v) {
        if (tabStop_ != v) {
            tabStop_ = v;
            Changed();
        }
    }
    int Width() const override;
    int Height() const override;

private:
    std::string caption_;
    bool autoSize_ = true;
    bool tabStop_ = false;
};

// A push button.
class TButton : public TControl {
public:
    using TControl::TControl;
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v) {
        if (caption_ != v) {
            caption_ = v;
            Changed();
        }
    }

private:
    std::string caption_;
};

}  // namespace tubalyx
