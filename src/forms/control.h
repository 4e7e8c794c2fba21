#pragma once
// Headless stand-in for the window system's form library: the controls hold exactly the
// properties and events the program uses, and know nothing of any renderer. A renderer
// (src/qtview) listens for model changes through SetChangeListener and feeds user input
// back by calling the controls' User*/Click methods, which fire the same events. Every event
// is fired through FireEvent (forms/event_depth.h), which bounds how deep handlers nest.
#include <functional>
#include <string>

namespace tubalyx {

class TControl;
using TNotifyEvent = std::function<void(TControl* sender)>;

enum class TMouseButton { Left, Right, Middle };
// Shift-state bits of key and mouse events.
using TShiftState = int;
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4;
// No handler of this program changes the key it is given, so the key is passed by value.
// Keys are the window system's virtual key codes: '0'-'9' and 'A'-'Z' as their characters,
// and the named keys below.
constexpr int vkBack = 8, vkTab = 9, vkReturn = 13, vkEscape = 27, vkSpace = 32, vkPrior = 33, vkNext = 34, vkEnd = 35,
              vkHome = 36, vkLeft = 37, vkUp = 38, vkRight = 39, vkDown = 40, vkSnapshot = 44, vkInsert = 45,
              vkDelete = 46, vkNumpad0 = 96, vkDecimal = 110, vkF1 = 112, vkOemComma = 188, vkOemMinus = 189,
              vkOemPeriod = 190;
using TKeyEvent = std::function<void(TControl* sender, int key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TControl* sender, char key)>;
using TMouseEvent = std::function<void(TControl* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TControl* sender, TShiftState shift, int x, int y)>;

// Colours are Windows RGB values (red in the low byte).
using TColor = int;
constexpr TColor clBlack = 0x000000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBtnFace = 0xF0F0F0;
constexpr TColor clWindow = 0xFFFFFF;

// Screen resolution of the font-metric model: sizes in points, heights in pixels.
constexpr int PixelsPerInch = 96;

struct TFont {
    std::string Name = "Courier New";
    int Size = 10;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    TColor Color = clBlack;
    bool operator==(const TFont&) const = default;
    // The platform's font height: negative, the character height in pixels, rounded.
    int Height() const { return -((Size * PixelsPerInch + 36) / 72); }
};

// Width of one character of the bold fixed-pitch form font of the given size.
inline int CharWidth(int fontSize) { return fontSize * 17 / 20; }

// Thickness in pixels of a control's scroll bar.
inline constexpr int kScrollBarSize = 17;

// The tab order of a control nothing has placed in the keyboard's way: after every placed
// control of its parent (among themselves, in the order they were made).
inline constexpr int kUnplacedTabOrder = 32767;

class TControl {
public:
    explicit TControl(std::string name) : name_(std::move(name)) {}
    virtual ~TControl();
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    const std::string& Name() const { return name_; }

    // The control that holds this one (the form or a group box); positions are relative to it.
    TControl* Parent() const { return parent_; }
    void SetParent(TControl* parent);

    int Left() const { return left_; }
    int Top() const { return top_; }
    virtual int Width() const { return width_; }
    virtual int Height() const { return height_; }
    void SetLeft(int v) {
        if (left_ != v) {
            left_ = v;
            Changed();
        }
    }
    void SetTop(int v) {
        if (top_ != v) {
            top_ = v;
            Changed();
        }
    }
    void SetWidth(int v) {
        if (width_ != v) {
            width_ = v;
            Changed();
        }
    }
    void SetHeight(int v) {
        if (height_ != v) {
            height_ = v;
            Changed();
        }
    }
    void SetBounds(int left, int top, int width, int height);
    // Controls of this library draw no border, so the client area is the whole control;
    // the form overrides this with its frame.
    virtual int ClientWidth() const { return Width(); }
    virtual int ClientHeight() const { return Height(); }
    virtual void SetClientWidth(int v) { SetWidth(v); }
    virtual void SetClientHeight(int v) { SetHeight(v); }

    bool Visible() const { return visible_; }
    void SetVisible(bool v) {
        if (visible_ != v) {
            visible_ = v;
            Changed();
        }
    }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) {
        if (enabled_ != v) {
            enabled_ = v;
            Changed();
        }
    }

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& v) {
        if (hint_ != v) {
            hint_ = v;
            Changed();
        }
    }

    // Until a font is set, a control takes its parent's font (the form's font for most).
    const TFont& Font() const;
    void SetFont(const TFont& f);
    void SetFontSize(int size);
    bool ParentFont() const { return parentFont_; }
    TColor Color() const { return color_; }
    void SetColor(TColor c) {
        if (color_ != c) {
            color_ = c;
            Changed();
        }
    }

    // Drawn in front of its siblings from now on, and of those brought to the front before it:
    // FrontCount is 0 until then, and larger for a control brought to the front later.
    void BringToFront();
    int FrontCount() const { return frontCount_; }

    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int v) {
        if (tabOrder_ != v) {
            tabOrder_ = v;
            Changed();
        }
    }

    // Input focus: one control at a time. Moving the focus fires OnExit of the control that
    // loses it, then OnEnter of the one that gains it.
    void SetFocus();
    bool Focused() const { return FocusedControl() == this; }
    static TControl* FocusedControl();

    TNotifyEvent OnClick;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    // A click by the user (or a test); runs OnClick when the control is enabled.
    virtual void Click();
    // Keyboard and mouse input as the renderer delivers it; each fires its event when the
    // control is enabled.
    void UserKeyDown(int key, TShiftState shift);
    void UserKeyUp(int key, TShiftState shift);
    void UserKeyPress(char key);
    void UserMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void UserMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    void UserMouseMove(TShiftState shift, int x, int y);

    // The renderer's hook: called after any property of any control changed.
    using ChangeListener = std::function<void(TControl&)>;
    static void SetChangeListener(ChangeListener listener);

protected:
    void Changed();

private:
    std::string name_;
    TControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string hint_;
    TFont font_;
    bool parentFont_ = true;
    TColor color_ = clBtnFace;
    int tabOrder_ = kUnplacedTabOrder;
    int frontCount_ = 0;
};

}  // namespace tubalyx
