#include "state/property_labels.h"

#include "state/state_list.h"

namespace tubalyx {

// Empty until the first caption set.
#define TUBALYX_PROPERTY_LABELS(X)     \
    X(DensityLabel, "")                \
    X(SpecificVolumeLabel, "")         \
    X(DynamicViscosityLabel, "")       \
    X(KinematicViscosityLabel, "")     \
    X(ViscosityNoteLabel, "")          \
    X(KappaLabel, "")                  \
    X(CpLabel, "")                     \
    X(CvLabel, "")                     \
    X(EnthalpyLabel, "")               \
    X(DensityLabelBase, "")            \
    X(SpecificVolumeLabelBase, "")     \
    X(DynamicViscosityLabelBase, "")   \
    X(KinematicViscosityLabelBase, "") \
    X(ViscosityNoteLabelBase, "")      \
    X(KappaLabelBase, "")              \
    X(CpLabelBase, "")                 \
    X(CvLabelBase, "")                 \
    X(EnthalpyLabelBase, "")

TUBALYX_PROPERTY_LABELS(TUBALYX_STATE_DEFINE)

void state_detail::ResetPropertyLabels() { TUBALYX_PROPERTY_LABELS(TUBALYX_STATE_RESET) }

void state_detail::WritePropertyLabels(std::string& out) { TUBALYX_PROPERTY_LABELS(TUBALYX_STATE_WRITE) }

}  // namespace tubalyx
