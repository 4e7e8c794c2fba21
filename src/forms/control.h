#pragma once
// Headless stand-in for the window system's form library: the controls hold exactly the
// properties and events the program uses, and know nothing of any renderer. A renderer
// (src/qtview) listens for model changes through SetChangeListener and feeds user input
// back by calling the controls' Fire*/User* methods.
#include <functional>
#include <string>

namespace tubalyx {

class TControl;
using TNotifyEvent = std::function<void(TControl* sender)>;

// Colours are Windows RGB values (red in the low byte).
using TColor = int;
constexpr TColor clBlack = 0x000000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBtnFace = 0xF0F0F0;

struct TFont {
    std::string Name = "Courier New";
    int Size = 10;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    TColor Color = clBlack;
    bool operator==(const TFont&) const = default;
};

class TControl {
public:
    explicit TControl(std::string name) : name_(std::move(name)) {}
    virtual ~TControl() = default;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    const std::string& Name() const { return name_; }

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { if (left_ != v) { left_ = v; Changed(); } }
    void SetTop(int v) { if (top_ != v) { top_ = v; Changed(); } }
    void SetWidth(int v) { if (width_ != v) { width_ = v; Changed(); } }
    void SetHeight(int v) { if (height_ != v) { height_ = v; Changed(); } }
    void SetBounds(int left, int top, int width, int height);

    bool Visible() const { return visible_; }
    void SetVisible(bool v) { if (visible_ != v) { visible_ = v; Changed(); } }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { if (enabled_ != v) { enabled_ = v; Changed(); } }

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& v) { if (hint_ != v) { hint_ = v; Changed(); } }

    const TFont& Font() const { return font_; }
    void SetFont(const TFont& f) { if (!(font_ == f)) { font_ = f; Changed(); } }
    TColor Color() const { return color_; }
    void SetColor(TColor c) { if (color_ != c) { color_ = c; Changed(); } }

    TNotifyEvent OnClick;
    // A click by the user (or a test); runs OnClick when the control is enabled.
    virtual void Click();

    // The renderer's hook: called after any property of any control changed.
    using ChangeListener = std::function<void(TControl&)>;
    static void SetChangeListener(ChangeListener listener);

protected:
    void Changed();

private:
    std::string name_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string hint_;
    TFont font_;
    TColor color_ = clBtnFace;
};

}  // namespace tubalyx
