#pragma once
// The started window driven as a user drives it, for the tests of reported faults: clicks on
// menu items and labels, text typed into edits, the newest report read back.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "forms/screen.h"
#include "numerics/decimal_separator.h"
#include "ui/calculation_reset.h"
#include "ui/form1.h"
#include "ui/startup.h"

namespace tubalyx::sweep {

inline void Start(char separator = '.') {
    ResetCalculationState();
    SetDecimalSeparator(separator);
    Screen().SetSize(1600, 1200);
    MainFormUnitInit();
    CreateMainWindow();
    Form1().RichEdit1.Clear();
}

inline void Click(const std::string& name) {
    TControl* c = Form1().FindComponent(name);
    ASSERT_NE(c, nullptr) << name;
    c->Click();
}

// A unit picked from the pop-up menu that the unit field opens.
inline void Pick(const std::string& field, const std::string& item) {
    Click(field);
    Click(item);
}

// Typed into an edit, or into a grid's cell named "grid@col,row".
inline void Type(const std::string& name, const std::string& text) {
    if (const auto at = name.find('@'); at != std::string::npos) {
        auto* g = dynamic_cast<TStringGrid*>(Form1().FindComponent(name.substr(0, at)));
        ASSERT_NE(g, nullptr) << name;
        const auto comma = name.find(',', at);
        ASSERT_NE(comma, std::string::npos) << name;
        g->UserSelectCell(std::stoi(name.substr(at + 1)), std::stoi(name.substr(comma + 1)));
        g->UserSetEditText(std::stoi(name.substr(at + 1)), std::stoi(name.substr(comma + 1)), text);
        return;
    }
    auto* e = dynamic_cast<TEdit*>(Form1().FindComponent(name));
    ASSERT_NE(e, nullptr) << name;
    e->UserSetText(text);
}

inline std::string EditText(const std::string& name) {
    auto* e = dynamic_cast<TEdit*>(Form1().FindComponent(name));
    return e ? e->Text() : std::string();
}

// The steps of a user, separated by blanks: a control's name is clicked ("field>item" picks
// from a unit field's menu), "edit=text" types into the edit, "fitting" opens the fitting
// menu of the resistance grid's first column.
inline void Steps(const std::string& steps) {
    std::string::size_type at = 0;
    while (at < steps.size()) {
        const std::string::size_type end = std::min(steps.find(' ', at), steps.size());
        const std::string step = steps.substr(at, end - at);
        at = end + 1;
        if (step.empty()) continue;
        TStringGrid& grid = Form1().Motstandgrid;
        if (step == "fitting")
            grid.UserMouseDown(TMouseButton::Left, 0, grid.ColWidth(0) + 5, grid.RowHeight(0) + 5);
        else if (const auto eq = step.find('='); eq != std::string::npos)
            Type(step.substr(0, eq), step.substr(eq + 1));
        else if (const auto pick = step.find('>'); pick != std::string::npos)
            Pick(step.substr(0, pick), step.substr(pick + 1));
        else
            Click(step);
    }
}

inline std::vector<std::string> NewestReport() {
    std::vector<std::string> lines;
    for (int i = 0; i < Form1().RichEdit4.LineCount(); ++i) lines.push_back(Form1().RichEdit4.Line(i));
    return lines;
}

// A result line: a label, then "= " and a number (a fitting's name may hold "<= ", a few prompts
// of the input listing hold "= " before more words, and its flow in kg/h stands under no label).
inline bool PrintsAResult(const std::string& line) {
    for (auto at = line.find("= "); at != std::string::npos; at = line.find("= ", at + 1)) {
        if (at == line.find_first_not_of(' ') || line[at - 1] == '<' || line[at - 1] == '>') continue;
        const auto value = line.find_first_not_of(' ', at + 1);
        if (value != std::string::npos && std::string("+-.0123456789").find(line[value]) != std::string::npos)
            return true;
    }
    return false;
}

inline bool Holds(const std::vector<std::string>& lines, const std::string& text) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(text); });
}

// What the first line that starts with the label gives after it; empty where none does.
inline std::string ReportValue(const std::vector<std::string>& report, const std::string& label) {
    for (const std::string& line : report)
        if (line.starts_with(label)) return line.substr(label.size());
    return {};
}

// The number after the label (a point platform's text); NaN where no line gives one.
inline double ReportNumber(const std::vector<std::string>& report, const std::string& label) {
    const std::string value = ReportValue(report, label);
    return value.empty() ? std::numeric_limits<double>::quiet_NaN() : std::stod(value);
}

}  // namespace tubalyx::sweep
