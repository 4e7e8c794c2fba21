#include "texts/report_labels.h"

#include <algorithm>
#include <iterator>

#include "state/property_labels.h"
#include "state/selections.h"
#include "texts/caption_data.h"
#include "texts/language_text.h"

namespace tubalyx {

void CopyReportLabelBases() {
    DensityLabelBase = DensityLabel;
    SpecificVolumeLabelBase = SpecificVolumeLabel;
    DynamicViscosityLabelBase = DynamicViscosityLabel;
    KinematicViscosityLabelBase = KinematicViscosityLabel;
    ViscosityNoteLabelBase = ViscosityNoteLabel;
    KappaLabelBase = KappaLabel;
    CpLabelBase = CpLabel;
    CvLabelBase = CvLabel;
    EnthalpyLabelBase = EnthalpyLabel;
}

void SetPropertyReportLabels(char language) {
    const bool ammonia = (MediumCode == "NH3");
    const std::string* const properties[] = {&DensityLabel,
                                             &SpecificVolumeLabel,
                                             &DynamicViscosityLabel,
                                             &KinematicViscosityLabel,
                                             &ViscosityNoteLabel,
                                             &KappaLabel,
                                             &EnthalpyLabel,
                                             &CpLabel,
                                             &CvLabel};
    for (const ReportLabelEntry& e : ReportLabelTable) {
        if (std::find(std::begin(properties), std::end(properties), e.label) == std::end(properties)) continue;
        if ((e.condition == CaptionCondition::Ammonia && !ammonia) ||
            (e.condition == CaptionCondition::NotAmmonia && ammonia))
            continue;
        *e.label = TextOrEnglish(e.text, language);
    }
    CopyReportLabelBases();
}

}  // namespace tubalyx
