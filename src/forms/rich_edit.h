#pragma once
// A rich-text box: lines of text, each made of runs that keep the attributes the text had
// when it was written.
#include <string>
#include <vector>

#include "forms/control.h"

namespace tubalyx {

struct TFontStyles {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    bool operator==(const TFontStyles&) const = default;
};

struct TTextAttributes {
    TColor Color = clBlack;
    TFontStyles Style;
    int Size = 10;
    std::string Name = "Courier New";
    bool operator==(const TTextAttributes&) const = default;
};

struct TTextRun {
    std::string Text;  // no line break inside
    TTextAttributes Attributes;
    bool operator==(const TTextRun&) const = default;
};

// The whole content with its attributes, as copied aside and back.
struct TRichContent {
    std::vector<std::vector<TTextRun>> Lines;
    bool operator==(const TRichContent&) const = default;
};

class TRichEdit : public TControl {
public:
    using TControl::TControl;

    // Appends a line written with the attributes of the next text.
    void Add(const std::string& line);
    int LineCount() const { return static_cast<int>(content_.Lines.size()); }
    // The text of a line; "" outside the lines.
    std::string Line(int index) const;
    // All lines joined by "\n"; a line break counts as one character in positions.
    std::string Text() const;
    int TextLength() const;
    void Clear();

    // The attributes the next appended text takes. While text is selected, setting them
    // also re-formats the selection, as the platform's selection attributes do.
    const TTextAttributes& SelAttributes() const { return selAttributes_; }
    void SetSelAttributes(const TTextAttributes& a);
    void SetSelColor(TColor c);
    void SetSelStyle(const TFontStyles& s);
    void SetSelSize(int size);
    void SetSelFontName(const std::string& name);

    // Caret (SelStart) and selection length in characters; kept inside the text.
    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    void SetSelStart(int v);
    void SetSelLength(int v);
    void SelectAll();
    // The attributes of the character at a position (the insertion attributes past the end).
    TTextAttributes AttributesAt(int position) const;

    const TRichContent& Content() const { return content_; }
    void SetContent(const TRichContent& content);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { if (readOnly_ != v) { readOnly_ = v; Changed(); } }

    TNotifyEvent OnChange;

private:
    void ApplyToSelection(const TTextAttributes& a, int field);
    void Clamp();
    TRichContent content_;
    TTextAttributes selAttributes_;
    int selStart_ = 0, selLength_ = 0;
    bool readOnly_ = false;
};

}  // namespace tubalyx
