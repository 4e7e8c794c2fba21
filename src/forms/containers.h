#pragma once
// Memo, group box and up-down control.
#include <string>
#include <vector>

#include "forms/control.h"

namespace tubalyx {

// A plain multi-line text.
class TMemo : public TControl {
public:
    using TControl::TControl;
    const std::vector<std::string>& Lines() const { return lines_; }
    int LineCount() const { return static_cast<int>(lines_.size()); }
    // The line's text, "" for an index outside the lines.
    const std::string& Line(int index) const;
    void Add(const std::string& line);
    void Clear();
    // All lines joined by "\n".
    std::string Text() const;
    // Drawn in front of every sibling once brought to the front.
    void BringToFront() {
        ++frontCount_;
        Changed();
    }
    int FrontCount() const { return frontCount_; }

private:
    std::vector<std::string> lines_;
    int frontCount_ = 0;
};

// A captioned frame whose children are placed relative to it and hidden with it.
class TGroupBox : public TControl {
public:
    using TControl::TControl;
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v) {
        if (caption_ != v) {
            caption_ = v;
            Changed();
        }
    }
    // Makes the control a child of the box (once).
    void Add(TControl& child);
    const std::vector<TControl*>& Children() const { return children_; }

private:
    std::string caption_;
    std::vector<TControl*> children_;
};

enum class TUDBtnType { btNext, btPrev };
using TUDClickEvent = std::function<void(TControl* sender, TUDBtnType button)>;

// Up-down arrows with a position kept within Min and Max.
class TUpDown : public TControl {
public:
    using TControl::TControl;
    int Position() const { return position_; }
    void SetPosition(int v);
    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetMin(int v);
    void SetMax(int v);
    int Increment() const { return increment_; }
    void SetIncrement(int v) { increment_ = v; }
    // A click on an arrow: steps the position (within the bounds) and fires OnClick.
    void UserClick(TUDBtnType button);
    TUDClickEvent OnArrowClick;

private:
    int position_ = 0, min_ = 0, max_ = 100, increment_ = 1;
};

}  // namespace tubalyx
