#include "flow/report_section_inputs.h"

namespace tubalyx {

ReportSectionHooks& ReportSectionServices() {
    static ReportSectionHooks hooks;
    return hooks;
}


}  // namespace tubalyx
