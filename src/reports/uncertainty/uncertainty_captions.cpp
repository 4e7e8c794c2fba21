#include "reports/uncertainty/uncertainty_captions.h"

#include "texts/uncertainty_texts.h"

namespace tubalyx::uncertainty_captions {

const LangText FixedRows[19] = {
    {"", "", ""},                              // 0: the flow axis
    {"", "", ""},                              // 1: by device
    {"", "", ""},                              // 2: by device
    {"", "", ""},                              // 3: by device
    {"", "", ""},                              // 4: by device
    uncertainty_text::SquareRootRow,           // 5
    uncertainty_text::ControlSystemSpanRow,    // 6
    uncertainty_text::ControlSystemActualRow,  // 7
    {"", "", ""},                              // 8: by device
    uncertainty_text::InletEdgeRadiusRow,      // 9
    uncertainty_text::PipeDiameterRow,         // 10
    uncertainty_text::PipeRoughnessRow,        // 11
    uncertainty_text::DensityUncertaintyRow,   // 12
    uncertainty_text::DensityErrorRow,         // 13
    uncertainty_text::ViscosityRow,            // 14
    uncertainty_text::KappaRow,                // 15
    uncertainty_text::PressureRow,             // 16
    uncertainty_text::TemperatureRow,          // 17
    uncertainty_text::HumidityRow,             // 18
};

const BasedCaption OtherErrors{uncertainty_text::OtherErrorsOfMax, uncertainty_text::OtherErrorsOfActual};
const BasedCaption OtherUncertainties{uncertainty_text::OtherUncertaintiesOfMax,
                                      uncertainty_text::OtherUncertaintiesOfActual};
const BasedCaption Total{uncertainty_text::TotalOfMax, uncertainty_text::TotalOfActual};
const BasedCaption DryGasTotal{uncertainty_text::DryGasTotalOfMax, uncertainty_text::DryGasTotalOfActual};
const BasedCaption EnergyFlowTotal{uncertainty_text::EnergyFlowTotalOfMax, uncertainty_text::EnergyFlowTotalOfActual};

const char* const CompositionRows[5] = {"CH4  % of mol fraction", "N2   % of mol fraction", "CO2  % of mol fraction",
                                        "C2H6 % of mol fraction", "C3H8 % of mol fraction"};

}  // namespace tubalyx::uncertainty_captions
