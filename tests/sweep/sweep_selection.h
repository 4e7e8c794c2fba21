#pragma once
// One run of the window sweep: the choices of a row, made as the menus make them, and the
// questionnaire typed over. The sweep test runs every row; the Run benchmark runs the slowest.
#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "numerics/decimal_separator.h"
#include "reports/report_window.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "sweep/sweep_rows.h"
#include "ui/form1.h"
#include "ui/page_manager.h"

namespace tubalyx::sweep {

constexpr ReportSizeKind kSizes[] = {ReportSizeKind::Small, ReportSizeKind::Big, ReportSizeKind::Mini};

// One run's choices.
struct Selection {
    const FunctionRow* function = nullptr;
    const char* medium = "";
    char phase = 'N';
    const DeviceRow* device = nullptr;
    const char* solveFor = "DI";
    char standard = '3';
    ReportSizeKind size = ReportSizeKind::Small;
    char language = 'E';
    char separator = '.';
    const char* humidity = "R";
    int variant = 0;                     // 0: the start values; else kExtremes[variant - 1] typed over them
    int target = 0;                      // the edit the extreme goes into; -1: every number edit
    const char* humidityText = nullptr;  // typed instead of the kind's own value
};

inline std::string Describe(const Selection& s) {
    std::string text = std::string(s.function->name) + " / " + s.medium + " '" + s.phase + "'";
    if (s.device) {
        text += std::string(" / ") + s.device->device + s.device->variant + " " + s.solveFor + " std " + s.standard;
    }
    text += std::string(" / size ") + ReportSizeCaption(s.size, 'E') + " lang " + s.language + " sep " + s.separator +
            " humidity " + s.humidity;
    if (s.variant > 0) {
        text += std::string(" / \"") + kExtremes[s.variant - 1] + "\" into " +
                (s.target < 0 ? std::string("every edit") : (Form1().*kEdits[s.target].edit).Name());
    }
    return text;
}

// The selection as the menus make it, then the page of it. The menu handlers take this over
// as they are built.
inline void PrepareSelection(const Selection& s) {
    TForm1& f = Form1();
    SetDecimalSeparator(s.separator);
    CalcFunction = s.function->calcFunction;
    ValveSubtype = s.function->valveSubtype;
    MaxFlowGivenFlag = s.function->maxFlowGiven;
    MediumCode = s.medium;
    PhaseLetter = s.phase;
    if (s.device) {
        DeviceCode = s.device->device;
        DeviceVariantCode = s.device->variant;
        SolveFor = s.solveFor;
        StandardLetter = s.standard;
    }
    LanguageLetter = s.language;
    HumidityInputKind = s.humidity;
    f.litenstor.SetCaption(ReportSizeCaption(s.size, s.language));
    f.tempsort.SetCaption("C");
    f.dstorkallsort.SetCaption("mm");
    // As every menu handler ends.
    LayoutTop = 0;
    PageManager('S', LayoutTop);
}

inline std::string WithSeparator(std::string text, char separator) {
    std::replace(text.begin(), text.end(), '.', separator);
    return text;
}

// The start values typed into every edit, then the extreme of the variant, the focus moving
// from edit to edit as the user's does (an edit reads some of its text when it loses it), and
// at last to "Run".
inline void TypeInputs(const Selection& s) {
    TForm1& f = Form1();
    const int count = static_cast<int>(std::size(kEdits));
    for (int i = 0; i < count; ++i) {
        const EditRow& row = kEdits[i];
        std::string text = WithSeparator(row.start, s.separator);
        if (s.variant > 0 && !row.unit && (s.target < 0 || s.target == i))
            text = WithSeparator(kExtremes[s.variant - 1], s.separator);
        (f.*row.edit).SetFocus();
        (f.*row.edit).UserSetText(text);
    }
    // The humidity as its kind is given: 50 %, 5 g/m3, 3 g/kg or a dew point of 5 degC.
    if (s.variant == 0 || (s.target >= 0 && kEdits[s.target].edit != &TForm1::relabsspecfukt)) {
        const std::string humidity = s.humidity;
        f.relabsspecfukt.UserSetText(humidity == "A" ? "5" : humidity == "S" ? "3" : humidity == "D" ? "5" : "50");
    }
    if (s.humidityText) f.relabsspecfukt.UserSetText(WithSeparator(s.humidityText, s.separator));
    f.Runbutton.SetFocus();
}

// The rows of the sweep: every function × medium × phase; on the device page every function ×
// medium × device × solve-for, the phase turning with the device. The rest (standard, size,
// language, separator, humidity kind, typed input) turns with the row number, on strides
// without a common factor, so that each meets every kind of row.
inline std::vector<Selection> SweepRows() {
    std::vector<Selection> rows;
    for (const FunctionRow& function : kFunctions) {
        for (int m = 0; m < static_cast<int>(std::size(kMedia)); ++m) {
            Selection s;
            s.function = &function;
            s.medium = kMedia[m];
            if (!function.device) {
                for (char phase : kPhases) {
                    s.phase = phase;
                    rows.push_back(s);
                }
                continue;
            }
            for (int d = 0; d < static_cast<int>(std::size(kDevices)); ++d) {
                s.phase = kPhases[(d + m) % std::size(kPhases)];
                for (const char* solveFor : kSolveFor) {
                    s.device = &kDevices[d];
                    s.solveFor = solveFor;
                    rows.push_back(s);
                }
            }
        }
    }
    const int edits = static_cast<int>(std::size(kEdits));
    const int variants = static_cast<int>(std::size(kExtremes)) + 1;
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        Selection& s = rows[i];
        s.standard = kStandards[i % std::size(kStandards)];
        s.size = kSizes[(i / 2) % std::size(kSizes)];
        s.language = kLanguages[(i / 7) % std::size(kLanguages)];
        s.separator = kSeparators[(i / 11) % std::size(kSeparators)];
        s.humidity = kHumidityKinds[(i / 13) % std::size(kHumidityKinds)];
        s.variant = i % variants;
        // Every eleventh extreme goes into every number edit at once.
        s.target = (i / variants) % 11 == 0 ? -1 : (i / variants) % edits;
    }
    return rows;
}

}  // namespace tubalyx::sweep
