// Handlers of files and printing.
#include <cctype>
#include <filesystem>
#include <string>

#include "state/selections.h"
#include "state/window_state.h"
#include "texts/caption_data.h"
#include "texts/message_texts.h"
#include "texts/window_access.h"
#include "ui/calculation_file.h"
#include "ui/file_save.h"
#include "ui/form1.h"
#include "ui/form1_menus.h"
#include "ui/report_printing.h"

namespace tubalyx {

namespace {

constexpr const char* kReportFilter = "Text (*.txt);;PDF (*.pdf)";
// The extension of the report filter the save dialog opens with.
constexpr const char* kReportTextExtension = ".txt";
constexpr const char* kCalculationFilter = "Tubalyx (*.tbx);;* (*)";

bool HasExtension(const std::string& name, const std::string& extension) {
    if (name.size() < extension.size()) return false;
    std::string tail = name.substr(name.size() - extension.size());
    for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == extension;
}

// The name with another extension in place of its own (none: added).
std::string WithExtension(const std::string& name, const std::string& extension) {
    if (name.empty()) return name;
    return std::filesystem::path(name).replace_extension(extension).string();
}

// The calculation data in hand: their file ends the window caption, which the page sets.
void ShowFileName(const std::string& name) {
    ReportFileName = name;
    RebuildPage();
}

}  // namespace

// Prints the window as it looks, once the print dialog is confirmed.
void TForm1::PrintScr1Click(TControl*) {
    if (PrintDialog1.Execute()) Print();
}

void TForm1::Utskrift1Click(TControl*) {
    if (PrintDialog1.Execute()) PrintReport(Printer());
}

// The report as a PDF through the print path, or as text that keeps its TABs for a
// spreadsheet. The name proposed is that of the calculation data beside it as a text, never the
// data file itself.
void TForm1::Sparasom1Click(TControl*) {
    SaveDialog1.OverwritePrompt = true;
    SaveDialog1.FileName = WithExtension(ReportFileName, kReportTextExtension);
    SaveDialog1.Filter = kReportFilter;
    if (!SaveDialog1.Execute()) return;
    const std::string name = SaveDialog1.FileName;
    if (!HasExtension(name, ".pdf")) {
        SaveReportText(name);
    } else if (!PrintReportToPdf(name)) {
        ReportFileFailure(message_text::PdfNotWritten, name);
    }
}

void TForm1::Sparaberkningsdatasom1Click(TControl*) {
    SaveDialog1.OverwritePrompt = true;
    SaveDialog1.FileName = ReportFileName;
    SaveDialog1.Filter = kCalculationFilter;
    if (SaveDialog1.Execute() && SaveCalculationData(SaveDialog1.FileName)) ShowFileName(SaveDialog1.FileName);
}

void TForm1::Laddaberkningsdata1Click(TControl*) {
    OpenDialog1.FileName = ReportFileName;
    OpenDialog1.Filter = kCalculationFilter;
    if (OpenDialog1.Execute() && LoadCalculationData(OpenDialog1.FileName)) ShowFileName(OpenDialog1.FileName);
}

}  // namespace tubalyx
