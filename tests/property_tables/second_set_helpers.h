#pragma once
// Helpers for the tests of the second set of gas tables.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "texts/report_labels.h"

namespace tubalyx::test {

// Plain English labels, as the caption set writes them, in the live lines and their bases.
inline void SetPlainLabels() {
    DensityLabelBase = "Density____________________________________(kg/m3)= ";
    SpecificVolumeLabelBase = "Specific volume___________________________(dm3/kg)= ";
    DynamicViscosityLabelBase = "Dynamic viscosity______________________(Pas*10E-6)= ";
    KinematicViscosityLabelBase = "Kinematic viscosity___________________(m2/s*10E-6)= ";
    CpLabelBase = "Cp_______________________________________(J/(kg*K))= ";
    CvLabelBase = "Cv_______________________________________(J/(kg*K))= ";
    KappaLabelBase = "Kappa____________________________________________= ";
    EnthalpyLabelBase = "Enthalpy____________________________________(kJ/kg)= ";
    DensityLabel = DensityLabelBase;
    SpecificVolumeLabel = SpecificVolumeLabelBase;
    DynamicViscosityLabel = DynamicViscosityLabelBase;
    KinematicViscosityLabel = KinematicViscosityLabelBase;
    CpLabel = CpLabelBase;
    CvLabel = CvLabelBase;
    KappaLabel = KappaLabelBase;
    EnthalpyLabel = EnthalpyLabelBase;
}

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace tubalyx::test
