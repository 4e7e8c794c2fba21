#pragma once
// Setting the result-line labels of the property values (state/property_labels.h) in the
// current language.
#include "state/property_labels.h"

namespace tubalyx {

// Copies every live property label into its base copy (last step of a caption set).
void CopyReportLabelBases();

// Sets the ordinary property labels of the language ('S', 'D', otherwise English; the
// enthalpy zero depends on MediumCode "NH3") and copies them into the base copies.
void SetPropertyReportLabels(char language);

}  // namespace tubalyx
