// Handlers of the code generator's labels: the density block (kod) and the BigBlock.
#include "codegen/code_generator.h"
#include "reports/report_window.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "ui/form1.h"
#include "ui/run_driver.h"

namespace tubalyx {

namespace {

// A request that cannot be served yet: the clicked label's hint, at its place.
void ShowPrerequisite(TForm1& f, const TLabel& label) {
    f.kodkomment.SetCaption(label.Hint());
    f.kodkomment.SetVisible(true);
    f.kodkomment.SetLeft(label.Left());
    f.kodkomment.SetTop(label.Top());
}

// The new block stands right below the newest report: the window shows it there.
void ScrollToInsertedBlock() {
    FocusReport();
    ShowReportLine(ReportLinesWritten);
}

void Generate(TForm1& f, const char* mode) {
    double result = 1.0;
    GenerateControlCode(mode, result);
    ScrollToInsertedBlock();
}

}  // namespace

void TForm1::kodClick(TControl*) {
    if (DensityTableReady)
        Generate(*this, "RAP");
    else
        ShowPrerequisite(*this, kod);
}

// The flow lines of the BigBlock are those the big report of the last run left.
void TForm1::BBclick(TControl*) {
    if (CalcFunction == "Strypf" && DensityTableReady && IsBigReport(litenstor.Caption()))
        Generate(*this, ABBSiemens.Caption() == "Siemens" ? "SIEMENS" : "ABB");
    else
        ShowPrerequisite(*this, BigBlock);
}

void TForm1::bbsiemensclick(TControl*) {
    double result = 1.0;
    GenerateControlCode("SIEMENS", result);
}

}  // namespace tubalyx
