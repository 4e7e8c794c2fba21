#include "flow/report_section_inputs.h"

namespace tubalyx {

ReportSectionHooks& ReportSectionServices() {
    static ReportSectionHooks hooks;
    return hooks;
}

double SectionValue(const std::function<double()>& hook) { return hook ? hook() : 0.0; }

}  // namespace tubalyx
