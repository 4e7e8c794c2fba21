#include "texts/report_labels.h"

#include <algorithm>
#include <iterator>
#include "state/keywords.h"
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
    const bool ammonia = (MediumCode == kMediumAmmonia);
    for (const ReportLabelEntry& e : ReportLabelTable) {
        if (std::find(std::begin(kLivePropertyLabels), std::end(kLivePropertyLabels), e.label) ==
            std::end(kLivePropertyLabels))
            continue;
        if ((e.condition == CaptionCondition::Ammonia && !ammonia) ||
            (e.condition == CaptionCondition::NotAmmonia && ammonia))
            continue;
        *e.label = TextOrEnglish(e.text, language);
    }
    CopyReportLabelBases();
}

}  // namespace tubalyx
