#include "texts/report_labels.h"

#include "state/keywords.h"
#include "state/property_labels.h"
#include "state/selections.h"

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
    if (language == kLanguageSwedish) {
        DensityLabel = "Densitet___________________________________(kg/m3)= ";
        SpecificVolumeLabel = "Volymitet_________________________________(dm3/kg)= ";
        DynamicViscosityLabel = "Dynamisk viskositet______________________(Pas*E-6)= ";
        KinematicViscosityLabel = "Kinematisk viskositet__________________(cSt=mm2/s)= ";
        ViscosityNoteLabel = "Dynamisk viskositet______________________(Pas*E-6)= ";
        KappaLabel = "Kappa (Isentropisk expansionskoefficient)_________= ";
        EnthalpyLabel = ammonia ? "Entalpi.( =0 vid: -273.15 C, 1.01325 Bar)__(kJ/kg)= "
                                : "Entalpi.( =0 vid: 0 C, 1.01325 Bar)________(kJ/kg)= ";
    } else if (language == kLanguageGerman) {
        DensityLabel = "Dichte_____________________________________(kg/m3)= ";
        SpecificVolumeLabel = "Spezifisches Volumen______________________(dm3/kg)= ";
        DynamicViscosityLabel = "Dynamische Viskosität____________________(Pas*E-6)= ";
        KinematicViscosityLabel = "Kinematische Viskosität________________(cSt=mm2/s)= ";
        ViscosityNoteLabel = "Dynamische Viskosität____________________(Pas*E-6)= ";
        KappaLabel = "Isentropenexponent (Kappa)________________________= ";
        EnthalpyLabel = ammonia ? "Enthalpi (= 0 bei: -273.15 C, 1.01325 Bar)_(kJ/kg)= "
                                : "Enthalpi (= 0 bei: 0 C, 1.01325 Bar)_______(kJ/kg)= ";
    } else {
        DensityLabel = "Density____________________________________(kg/m3)= ";
        SpecificVolumeLabel = "Specific volume___________________________(dm3/kg)= ";
        DynamicViscosityLabel = "Dynamic viscosity________________________(Pas*E-6)= ";
        KinematicViscosityLabel = "Kinematic viscosity____________________(cSt=mm2/s)= ";
        ViscosityNoteLabel = "Dynamic viscosity________________________(Pas*E-6)= ";
        KappaLabel = "Kappa (Isentropic expansioncoeff.)________________= ";
        EnthalpyLabel = ammonia ? "Enthalpi.(= 0 at: -273.15 C, 1.01325 Bar)__(kJ/kg)= "
                                : "Enthalpi.(= 0 at: 0 C, 1.01325 Bar)________(kJ/kg)= ";
    }
    CpLabel = "Cp______________________________________(J/(kg*K))= ";
    CvLabel = "Cv______________________________________(J/(kg*K))= ";
    CopyReportLabelBases();
}

}  // namespace tubalyx
