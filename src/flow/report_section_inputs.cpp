#include "flow/report_section_inputs.h"

namespace tubalyx {

ReportSectionHooks& ReportSectionServices() {
    static ReportSectionHooks hooks;
    return hooks;
}

std::string SectionTableRangeNote() {
    const auto& hook = ReportSectionServices().TableRangeNote;
    return hook ? hook() : std::string(" ");
}

double SectionValue(const std::function<double()>& hook) { return hook ? hook() : 0.0; }

}  // namespace tubalyx
