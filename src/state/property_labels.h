#pragma once
// Result-line labels of the property values in the current language. The caption sets write
// the live lines and copy each into its base copy; the property range notes rewrite the live
// lines from the base copies.
#include <array>
#include <cstddef>
#include <iterator>
#include <string>

namespace tubalyx {

extern std::string DensityLabel;         // 52 characters
extern std::string SpecificVolumeLabel;  // 52 characters
extern std::string DynamicViscosityLabel;
extern std::string KinematicViscosityLabel;
extern std::string ViscosityNoteLabel;
extern std::string KappaLabel;
extern std::string CpLabel;
extern std::string CvLabel;
extern std::string EnthalpyLabel;

// The live labels, each once, for what keeps or rewrites them all.
inline std::string* const kLivePropertyLabels[] = {&DensityLabel,
                                                   &SpecificVolumeLabel,
                                                   &DynamicViscosityLabel,
                                                   &KinematicViscosityLabel,
                                                   &ViscosityNoteLabel,
                                                   &KappaLabel,
                                                   &CpLabel,
                                                   &CvLabel,
                                                   &EnthalpyLabel};

// The live labels' texts, taken to be put back (what a state evaluated on the side leaves in them
// is not the walk's).
using PropertyLabelTexts = std::array<std::string, std::size(kLivePropertyLabels)>;
inline PropertyLabelTexts LivePropertyLabelTexts() {
    PropertyLabelTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = *kLivePropertyLabels[i];
    return texts;
}
inline void RestoreLivePropertyLabels(PropertyLabelTexts& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) *kLivePropertyLabels[i] = std::move(texts[i]);
}

extern std::string DensityLabelBase;
extern std::string SpecificVolumeLabelBase;
extern std::string DynamicViscosityLabelBase;
extern std::string KinematicViscosityLabelBase;
extern std::string ViscosityNoteLabelBase;
extern std::string KappaLabelBase;
extern std::string CpLabelBase;
extern std::string CvLabelBase;
extern std::string EnthalpyLabelBase;

}  // namespace tubalyx
