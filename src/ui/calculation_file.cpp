#include "ui/calculation_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <span>
#include <sstream>
#include <string_view>
#include <vector>

#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "state/composition.h"
#include "state/keywords.h"
#include "state/resistance_grid_state.h"
#include "state/selections.h"
#include "texts/caption_data.h"
#include "texts/message_texts.h"
#include "texts/window_access.h"
#include "ui/file_save.h"
#include "ui/form1.h"
#include "ui/form1_menus.h"
#include "ui/hide_input_controls.h"
#include "ui/input_transfer.h"

namespace tubalyx {

namespace {

constexpr const char* kMagicLine = "TUBALYX CALCULATION DATA";
// The keys of the version line and of the closing line with the record count.
constexpr std::string_view kVersionKey = "version=";
constexpr std::string_view kEndKey = "end=";
// The name ending of the window's unit fields.
constexpr std::string_view kUnitEditEnding = "sort";
// Far above any questionnaire; a larger file is not ours and is not read into memory.
constexpr std::uintmax_t kLargestFile = 8u << 20;
constexpr int kLargestGridIndex = 9999;

struct TextSelection {
    const char* name;
    std::string* value;
};
const TextSelection kTextSelections[] = {
    {"CalcFunction", &CalcFunction},
    {"MediumCode", &MediumCode},
    {"SolveFor", &SolveFor},
    {"DeviceCode", &DeviceCode},
    {"DeviceVariantCode", &DeviceVariantCode},
    {"ReportSeparator", &ReportSeparator},
    {"ValveSubtype", &ValveSubtype},
    {"MaxFlowGivenFlag", &MaxFlowGivenFlag},
    {"ProductionReportFlag", &ProductionReportFlag},
    {"UncertaintyMethodCode", &UncertaintyMethodCode},
    {"OnlineFlowMethod", &OnlineFlowMethod},
    {"AllowSmallPipeFlag", &AllowSmallPipeFlag},
    {"AllowLargePipeFlag", &AllowLargePipeFlag},
    {"AllowLargeReynoldsFlag", &AllowLargeReynoldsFlag},
    {"MaterialCode1", &MaterialCode1},
    {"MaterialCode2", &MaterialCode2},
    {"UpstreamFittingCode", &UpstreamFittingCode},
    {"ExtraUncertaintyCode", &ExtraUncertaintyCode},
    {"HumidityInputKind", &HumidityInputKind},
    {"HumidFlowBasis", &HumidFlowBasis},
    {"PrimaryElementEntry", &PrimaryElementEntry},
};
struct LetterSelection {
    const char* name;
    char* value;
};
const LetterSelection kLetterSelections[] = {
    {"PhaseLetter", &PhaseLetter},
    {"StandardLetter", &StandardLetter},
    {"LanguageLetter", &LanguageLetter},
    {"ExpansionModeLetter", &ExpansionModeLetter},
};
// The rows of the composition grids and the columns of the pressure-loss line keep state that
// their grid cells do not show: the components and their properties, the fittings and their
// data.
template <class T>
struct StateArray {
    const char* name;
    T* values;
    int size;
};
template <class T, std::size_t N>
constexpr StateArray<T> Entry(const char* name, std::array<T, N>& values) {
    return {name, values.data(), static_cast<int>(N)};
}
const StateArray<std::string> kTextArrays[] = {
    Entry("MixtureComponentKeyword", MixtureComponentKeyword),
    Entry("MixtureComponentName", MixtureComponentName),
};
const StateArray<double> kNumberArrays[] = {
    Entry("MixtureMolarMass", MixtureMolarMass),
    Entry("MixtureDensity", MixtureDensity),
    Entry("MixtureViscosity", MixtureViscosity),
    Entry("MixtureCp", MixtureCp),
    Entry("MixtureCv", MixtureCv),
    Entry("MixtureCriticalTemperature", MixtureCriticalTemperature),
    Entry("MixtureEnthalpy", MixtureEnthalpy),
    Entry("ResistanceZeta", ResistanceZeta),
    Entry("ResistancePosition", ResistancePosition),
    Entry("ResistanceParamA", ResistanceParamA),
    Entry("ResistanceParamB", ResistanceParamB),
    Entry("HeightRowRise", HeightRowRise),
    Entry("HeightRowLength", HeightRowLength),
    Entry("ResistanceKv", ResistanceKv),
    Entry("ResistanceFL", ResistanceFL),
};
const StateArray<int> kWholeNumberArrays[] = {Entry("ResistanceKind", ResistanceKind)};

// Labels whose caption is a choice of the user rather than a prompt.
constexpr const char* kChoiceLabels[] = {"tempsort", "dstorkallsort", "litenstor",
                                         "Excel",    "ABBSiemens",    "bestyckningtext"};

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default: out += c;
        }
    }
    return out;
}

std::optional<std::string> Unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        switch (text[i]) {
            case '\\': out += '\\'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            default: return std::nullopt;
        }
    }
    return out;
}

std::optional<int> Integer(std::string_view text, int lowest, int highest) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

// Splits "a b c" at single blanks.
std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == ' ') {
            words.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return words;
}

bool IsKnownFunction(const std::string& f) {
    for (std::string_view known : {kFunctionThermodynamics, kFunctionPrimaryDevice, kFunctionPressureLoss,
                                   kFunctionFlow, kFunctionValve, kFunctionUnits})
        if (f == known) return true;
    return false;
}

// Unit fields go first: a value edit parses its text with the unit beside it.
bool IsUnitEdit(const TEdit& edit) { return edit.Name().ends_with(kUnitEditEnding); }

std::vector<TEdit*> AllEdits() {
    std::vector<TEdit*> edits;
    for (TControl* c : Form1().Controls())
        if (auto* e = dynamic_cast<TEdit*>(c)) edits.push_back(e);
    return edits;
}

std::vector<TStringGrid*> AllGrids() {
    std::vector<TStringGrid*> grids;
    for (TControl* c : Form1().Controls())
        if (auto* g = dynamic_cast<TStringGrid*>(c)) grids.push_back(g);
    return grids;
}

// Everything a file asks for, gathered before any of it is applied.
struct CalculationData {
    std::map<std::string, std::string> texts;  // text selections by name
    std::map<std::string, char> letters;
    std::map<std::string, std::string> captions;
    // Array elements by array and index; the arrays are emptied before they are set.
    std::map<std::pair<std::string, int>, std::string> arrayTexts;
    std::map<std::pair<std::string, int>, double> arrayNumbers;
    std::map<std::pair<std::string, int>, int> arrayWholeNumbers;
    std::map<std::string, std::string> edits;
    std::vector<std::pair<TStringGrid*, std::array<int, 2>>> cellPlaces;
    std::vector<std::string> cellTexts;
};

template <class Entry>
const Entry* FindByName(std::span<const Entry> table, std::string_view name) {
    for (const Entry& e : table)
        if (name == e.name) return &e;
    return nullptr;
}

template <class T>
const StateArray<T>* FindArray(std::span<const StateArray<T>> arrays, std::string_view name) {
    for (const StateArray<T>& a : arrays)
        if (name == a.name) return &a;
    return nullptr;
}

std::optional<double> Number(std::string_view text) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

// "T", "A" or "K" <array> <index>=<value>: an element of a text, number or whole-number array.
bool ReadArrayRecord(char kind, const std::vector<std::string_view>& key, const std::string& value,
                     CalculationData& data) {
    if (key.size() != 2) return false;
    const std::string name(key[0]);
    int size = 0;
    if (kind == 'T') {
        if (const auto* a = FindArray<std::string>(kTextArrays, name)) size = a->size;
    } else if (kind == 'A') {
        if (const auto* a = FindArray<double>(kNumberArrays, name)) size = a->size;
    } else if (const auto* a = FindArray<int>(kWholeNumberArrays, name)) {
        size = a->size;
    }
    const std::optional<int> index = size > 0 ? Integer(key[1], 0, size - 1) : std::nullopt;
    if (!index) return false;
    const std::pair<std::string, int> place{name, *index};
    if (kind == 'T') {
        data.arrayTexts[place] = value;
        return true;
    }
    if (kind == 'A') {
        const std::optional<double> number = Number(value);
        if (number) data.arrayNumbers[place] = *number;
        return number.has_value();
    }
    const std::optional<int> whole = Integer(value, -1000000, 1000000);
    if (whole) data.arrayWholeNumbers[place] = *whole;
    return whole.has_value();
}

template <class T>
void ApplyArrays(std::span<const StateArray<T>> arrays, const std::map<std::pair<std::string, int>, T>& elements) {
    for (const StateArray<T>& a : arrays) std::fill(a.values, a.values + a.size, T{});
    for (const auto& [place, value] : elements) FindArray<T>(arrays, place.first)->values[place.second] = value;
}

template <class T, class Text>
void WriteArrays(std::span<const StateArray<T>> arrays, char kind, Text text, std::vector<std::string>& records) {
    for (const StateArray<T>& a : arrays)
        for (int i = 0; i < a.size; ++i)
            if (a.values[i] != T{})
                records.push_back(std::string(1, kind) + " " + a.name + " " + std::to_string(i) + "=" +
                                  text(a.values[i]));
}

std::string NumberText(double value) {
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    return error == std::errc() ? std::string(text, end) : "0";
}

// One record into the data; false when this version does not know it.
bool ReadRecord(std::string_view line, CalculationData& data) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || line.size() < 2 || line[1] != ' ') return false;
    const std::optional<std::string> value = Unescaped(line.substr(equals + 1));
    if (!value) return false;
    const std::vector<std::string_view> key = Words(line.substr(2, equals - 2));
    const std::string name(key.empty() ? std::string_view() : key[0]);
    switch (line[0]) {
        case 'S':
            if (key.size() != 1) return false;
            if (FindByName<TextSelection>(kTextSelections, name)) {
                data.texts[name] = *value;
                return true;
            }
            if (FindByName<LetterSelection>(kLetterSelections, name) && value->size() == 1) {
                data.letters[name] = (*value)[0];
                return true;
            }
            return false;
        case 'L':
            for (const char* label : kChoiceLabels) {
                if (key.size() == 1 && name == label) {
                    data.captions[name] = *value;
                    return true;
                }
            }
            return false;
        case 'T':
        case 'A':
        case 'K': return ReadArrayRecord(line[0], key, *value, data);
        case 'E':
            if (key.size() != 1 || !dynamic_cast<TEdit*>(Form1().FindComponent(name))) return false;
            data.edits[name] = *value;
            return true;
        case 'G': {
            auto* grid = key.size() == 3 ? dynamic_cast<TStringGrid*>(Form1().FindComponent(name)) : nullptr;
            const std::optional<int> col = key.size() == 3 ? Integer(key[1], 0, kLargestGridIndex) : std::nullopt;
            const std::optional<int> row = key.size() == 3 ? Integer(key[2], 0, kLargestGridIndex) : std::nullopt;
            if (!grid || !col || !row) return false;
            data.cellPlaces.push_back({grid, {*col, *row}});
            data.cellTexts.push_back(*value);
            return true;
        }
        default: return false;
    }
}

// The choices a run relies on must be ones the window can make.
bool IsConsistent(const CalculationData& data) {
    const auto function = data.texts.find("CalcFunction");
    if (function != data.texts.end() && !IsKnownFunction(function->second)) return false;
    const auto language = data.letters.find("LanguageLetter");
    if (language != data.letters.end() && std::string_view("SDE").find(language->second) == std::string_view::npos)
        return false;
    const auto separator = data.texts.find("ReportSeparator");
    return separator == data.texts.end() || separator->second.empty() || separator->second == kSeparatorTab;
}

void SetEdits(const CalculationData& data, bool units) {
    for (const auto& [name, text] : data.edits) {
        auto* edit = dynamic_cast<TEdit*>(Form1().FindComponent(name));
        if (edit && IsUnitEdit(*edit) == units) edit->SetText(text);
    }
}

void Apply(const CalculationData& data) {
    for (const TextSelection& s : kTextSelections)
        if (auto it = data.texts.find(s.name); it != data.texts.end()) *s.value = it->second;
    for (const LetterSelection& s : kLetterSelections)
        if (auto it = data.letters.find(s.name); it != data.letters.end()) *s.value = it->second;
    for (const auto& [name, caption] : data.captions) SetControlText(name, caption);
    ApplyArrays<std::string>(kTextArrays, data.arrayTexts);
    ApplyArrays<double>(kNumberArrays, data.arrayNumbers);
    ApplyArrays<int>(kWholeNumberArrays, data.arrayWholeNumbers);
    // A change handler may rewrite a neighbouring edit; the second pass puts back what the
    // file says.
    for (int pass = 0; pass < 2; ++pass) {
        SetEdits(data, true);
        SetEdits(data, false);
    }
    for (TStringGrid* grid : AllGrids()) grid->ClearCells();
    for (std::size_t i = 0; i < data.cellPlaces.size(); ++i) {
        const auto& [grid, place] = data.cellPlaces[i];
        grid->SetCell(place[0], place[1], data.cellTexts[i]);
    }
    try {
        ReadInputsFromForm();
    } catch (const CalcError&) {
        // A value the file holds that the state cannot take (a length beyond all range): the
        // edits show it, and the next run reads it again and reports the input error.
    } catch (const NumberTextError&) {
        // An edit saved with a text that is no number: shown as it was typed, for the next
        // run to answer with the input-error line.
    }
    HideInputControls();
    RebuildPage();
}

std::optional<std::string> ReadWholeFile(const std::string& fileName) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(fileName, error);
    if (error || size > kLargestFile) return std::nullopt;
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return text;
}

}  // namespace

std::string CalculationDataText() {
    std::vector<std::string> records;
    for (const TextSelection& s : kTextSelections)
        records.push_back(std::string("S ") + s.name + "=" + Escaped(*s.value));
    for (const LetterSelection& s : kLetterSelections)
        records.push_back(std::string("S ") + s.name + "=" + Escaped(std::string(1, *s.value)));
    for (const char* label : kChoiceLabels)
        records.push_back(std::string("L ") + label + "=" + Escaped(ControlText(label)));
    WriteArrays<std::string>(kTextArrays, 'T', Escaped, records);
    WriteArrays<double>(kNumberArrays, 'A', NumberText, records);
    WriteArrays<int>(
        kWholeNumberArrays, 'K', [](int v) { return std::to_string(v); }, records);
    for (const TEdit* e : AllEdits()) records.push_back("E " + e->Name() + "=" + Escaped(e->Text()));
    for (const TStringGrid* g : AllGrids()) {
        const int cols = std::min(g->ColCount(), kLargestGridIndex + 1),
                  rows = std::min(g->RowCount(), kLargestGridIndex + 1);
        for (int row = 0; row < rows; ++row)
            for (int col = 0; col < cols; ++col)
                if (!g->Cell(col, row).empty())
                    records.push_back("G " + g->Name() + " " + std::to_string(col) + " " + std::to_string(row) + "=" +
                                      Escaped(g->Cell(col, row)));
    }
    std::ostringstream out;
    out << kMagicLine << "\n" << kVersionKey << kCalculationFileVersion << "\n";
    for (const std::string& r : records) out << r << "\n";
    out << kEndKey << records.size() << "\n";
    return out.str();
}

CalculationDataResult ApplyCalculationDataText(const std::string& text) {
    std::vector<std::string_view> lines;
    std::string_view rest(text);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    if (lines.empty() || lines[0] != kMagicLine) return CalculationDataResult::NotCalculationData;
    if (lines.size() < 2 || !lines[1].starts_with(kVersionKey)) return CalculationDataResult::Damaged;
    const std::optional<int> version = Integer(lines[1].substr(kVersionKey.size()), 1, 1 << 30);
    if (!version) return CalculationDataResult::Damaged;
    if (*version > kCalculationFileVersion) return CalculationDataResult::NewerVersion;

    CalculationData data;
    std::size_t records = 0;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        if (lines[i].starts_with(kEndKey)) {
            const std::optional<int> count = Integer(lines[i].substr(kEndKey.size()), 0, 1 << 30);
            const bool last = i + 1 == lines.size();
            if (!count || !last || static_cast<std::size_t>(*count) != records || !IsConsistent(data))
                return CalculationDataResult::Damaged;
            Apply(data);
            return CalculationDataResult::Loaded;
        }
        if (!ReadRecord(lines[i], data)) return CalculationDataResult::Damaged;
        ++records;
    }
    return CalculationDataResult::Damaged;  // no end line: truncated
}

bool SaveCalculationData(const std::string& fileName) {
    if (SaveTextInPlace(fileName, CalculationDataText())) return true;
    ReportFileFailure(message_text::CannotWrite, fileName);
    return false;
}

bool LoadCalculationData(const std::string& fileName) {
    const std::optional<std::string> text = ReadWholeFile(fileName);
    if (!text) {
        ReportFileFailure(message_text::CannotRead, fileName);
        return false;
    }
    switch (ApplyCalculationDataText(*text)) {
        case CalculationDataResult::Loaded: return true;
        case CalculationDataResult::NotCalculationData:
            ReportFileFailure(message_text::NotCalculationData, fileName);
            break;
        case CalculationDataResult::NewerVersion: ReportFileFailure(message_text::NewerVersion, fileName); break;
        case CalculationDataResult::Damaged: ReportFileFailure(message_text::DamagedData, fileName); break;
    }
    return false;
}

bool SaveReportText(const std::string& fileName) {
    const TRichEdit& report = Form1().RichEdit1;
    std::string text;
    for (int line = 0; line < report.LineCount(); ++line) text += report.Line(line) + "\n";
    if (SaveTextInPlace(fileName, text)) return true;
    ReportFileFailure(message_text::CannotWrite, fileName);
    return false;
}

}  // namespace tubalyx
