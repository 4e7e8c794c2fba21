#pragma once
// The keywords of the selections, named once.
//
// The selections of the calculation state are short keyword strings and letters, compared by
// value, as the users' calculation files and the reports carry them. A keyword written out
// as a literal at each comparison compiles with a typo in it and says nothing of what it
// selects; so every keyword the code compares is named here, once, with its meaning, and the
// code compares against the name (`MediumCode == kMediumWater`). The strings are
// std::string_view, so that a comparison is by value whatever the other side is; the letters
// are char, like the state variables that hold them. The `vocabulary` test fails on a
// literal keyword compared anywhere else.
#include <initializer_list>
#include <string_view>

namespace tubalyx {

// The keyword is one of the listed ones.
inline constexpr bool IsOneOf(std::string_view keyword, std::initializer_list<std::string_view> keywords) {
    for (std::string_view k : keywords)
        if (keyword == k) return true;
    return false;
}

// CalcFunction: the calculation function.
inline constexpr std::string_view kFunctionThermodynamics = "Termo";  // medium properties
inline constexpr std::string_view kFunctionPrimaryDevice = "Strypf";  // orifices, nozzles, venturis, cones
inline constexpr std::string_view kFunctionPressureLoss = "Tryckf";   // pressure loss of a line
inline constexpr std::string_view kFunctionFlow = "Flow";             // flow of a line from its pressure loss
inline constexpr std::string_view kFunctionValve = "Ventil";          // valves and restriction orifices
inline constexpr std::string_view kFunctionUnits = "Sorter";          // unit conversion

// MediumCode, and the keyword of a mixture component (MixtureComponentKeyword).
inline constexpr std::string_view kMediumWater = "VAT";
inline constexpr std::string_view kMediumSteam = "ANG";
inline constexpr std::string_view kMediumWetSteam = "MNG";  // saturated steam
inline constexpr std::string_view kMediumWaterMas = "MAS";  // water, as the valve data also name it
inline constexpr std::string_view kMediumLiquid = "VÄT";    // a liquid the user describes
inline constexpr std::string_view kMediumGas = "GAS";       // an ideal gas the user describes
inline constexpr std::string_view kMediumRealGas = "IGAS";  // a real gas the user describes, with its Z
inline constexpr std::string_view kMediumAir = "LUF";
inline constexpr std::string_view kMediumMixture = "G";        // a gas mixture of the composition grid
inline constexpr std::string_view kMediumNaturalGas = "NGAS";  // natural gas of the composition grid
inline constexpr std::string_view kMediumOil = "OLJA";
inline constexpr std::string_view kMediumPropane = "C3H8";
inline constexpr std::string_view kMediumPropaneLiquid = "C3H8V";
inline constexpr std::string_view kMediumCarbonDioxide = "CO2";
inline constexpr std::string_view kMediumCarbonMonoxide = "CO";
inline constexpr std::string_view kMediumNitrogen = "N2";
inline constexpr std::string_view kMediumOxygen = "O2";
inline constexpr std::string_view kMediumHydrogen = "H2";
inline constexpr std::string_view kMediumArgon = "AR";
inline constexpr std::string_view kMediumOzone = "O3";
inline constexpr std::string_view kMediumAmmonia = "NH3";
inline constexpr std::string_view kMediumMethane = "CH4";
inline constexpr std::string_view kMediumEthane = "C2H6";
inline constexpr std::string_view kMediumButane = "C4H10";
inline constexpr std::string_view kMediumPentane = "C5H12";
inline constexpr std::string_view kMediumHelium = "He";
inline constexpr std::string_view kMediumHeliumUpper = "HE";  // helium, as the molar-mass table also knows it
// The name MediumDisplayName gives a code that no menu item carries.
inline constexpr std::string_view kNoMediumName = "NO";

// PhaseLetter: the state of a liquefied gas.
inline constexpr char kPhaseNone = 'N';                 // no phase chosen: the ordinary (gas) state
inline constexpr char kPhaseVapourAtTemperature = 'G';  // saturated vapour at the given temperature
inline constexpr char kPhaseLiquidAtTemperature = 'V';  // saturated liquid at the given temperature
inline constexpr char kPhaseVapourAtPressure = 'H';     // saturated vapour at the given pressure
inline constexpr char kPhaseLiquidAtPressure = 'X';     // saturated liquid at the given pressure

// The phase letter names a liquid (saturated liquid at the given temperature or pressure).
inline constexpr bool IsLiquidPhase(char phase) {
    return phase == kPhaseLiquidAtTemperature || phase == kPhaseLiquidAtPressure;
}
// The phase letter names a saturated vapour (at the given temperature or pressure).
inline constexpr bool IsVapourPhase(char phase) {
    return phase == kPhaseVapourAtTemperature || phase == kPhaseVapourAtPressure;
}

// SolveFor: the quantity a primary-device or valve calculation solves for.
inline constexpr std::string_view kSolveDp = "DP";       // differential pressure
inline constexpr std::string_view kSolveBore = "DI";     // bore (throat) diameter
inline constexpr std::string_view kSolveFlow = "FL";     // flow
inline constexpr std::string_view kSolveLoss = "TF";     // pressure loss
inline constexpr std::string_view kSolveOptimal = "OK";  // optimal design

// DeviceCode: the primary device or meter.
inline constexpr std::string_view kDeviceOrifice = "S";
inline constexpr std::string_view kDeviceIsaNozzle = "D";
inline constexpr std::string_view kDeviceLongRadiusNozzle = "DL";
inline constexpr std::string_view kDeviceShortVenturi = "KV";  // venturi nozzle
inline constexpr std::string_view kDeviceSegmentOrifice = "SM";
inline constexpr std::string_view kDeviceQuarterCircle = "VK";
inline constexpr std::string_view kDeviceVenturi = "V";  // classical venturi
inline constexpr std::string_view kDeviceCone = "VCONE";
inline constexpr std::string_view kDeviceWaferCone = "VCONEWAFER";
inline constexpr std::string_view kDeviceVolumeMeter = "VOLYM";

// A cone meter, in its flanged or its wafer make.
inline constexpr bool IsConeMeter(std::string_view device) {
    return device == kDeviceCone || device == kDeviceWaferCone;
}

// DeviceVariantCode: the tappings of an orifice plate, the make of a classical venturi.
inline constexpr std::string_view kVariantCorner = "R";
inline constexpr std::string_view kVariantFlange = "F";
inline constexpr std::string_view kVariantDAndD2 = "D";     // D and D/2 tappings
inline constexpr std::string_view kVariantWelded = "SV";    // rough-welded convergent
inline constexpr std::string_view kVariantMachined = "BG";  // machined convergent
inline constexpr std::string_view kVariantAsCast = "OG";    // rough-cast convergent
inline constexpr std::string_view kVariantPlate = "C";      // no menu sets it: the report gives any device with it
                                                            // the dimensions of a plate

// StandardLetter.
inline constexpr char kStandardIso2003 = '3';  // ISO 5167:2003
inline constexpr char kStandardIso1991 = 'I';  // ISO 5167:1991/1998
inline constexpr char kStandardDin1952 = 'D';  // DIN 1952:1982

// A letter keyword handed on as a one-letter text (the standard of the flow routines, the
// language of the limit messages): the text is exactly that letter.
inline constexpr bool IsLetterText(std::string_view text, char letter) { return text.size() == 1 && text[0] == letter; }

// LanguageLetter.
inline constexpr char kLanguageSwedish = 'S';
inline constexpr char kLanguageGerman = 'D';
inline constexpr char kLanguageEnglish = 'E';

// ExpansionModeLetter: the expansion of a gas along a line.
inline constexpr char kExpansionAdiabatic = 'A';
inline constexpr char kExpansionIsothermal = 'T';

// The yes/no flags and answers (ProductionReportFlag, the Allow...Flags, SquareRootAnswer):
// "J" yes, "Y" the English yes, "N" no.
inline constexpr std::string_view kYes = "J";
inline constexpr std::string_view kYesEnglish = "Y";
inline constexpr std::string_view kNo = "N";

// MaxFlowGivenFlag: "V" the maximal flow and dp give the bore; "J" the maximal flow is an
// adjusted one (for a valve or restriction orifice: the Kv is given).
inline constexpr std::string_view kMaxFlowPlain = "V";
inline constexpr std::string_view kMaxFlowAdjusted = "J";

// ValveSubtype.
inline constexpr std::string_view kSubtypeValve = "VE";
inline constexpr std::string_view kSubtypeRestriction = "RO";  // restriction orifice

// HumidityInputKind: how the humidity of a gas is given.
inline constexpr std::string_view kHumidityRelative = "R";  // %
inline constexpr std::string_view kHumidityAbsolute = "A";  // g/m3
inline constexpr std::string_view kHumiditySpecific = "S";  // g/kg
inline constexpr std::string_view kHumidityDewPoint = "D";  // degC

// HumidFlowBasis: the entered flow is that of the air/gas part of a humid gas ("T"), or of the
// whole humid gas ("F").
inline constexpr std::string_view kHumidFlowOfDryPart = "T";
inline constexpr std::string_view kHumidFlowOfWhole = "F";

// OnlineFlowMethod: how the flow computer takes the flow from the dp.
inline constexpr std::string_view kOnlineFlowRoot = "R";      // a root-extracting transmitter
inline constexpr std::string_view kOnlineFlowStandard = "N";  // the standard's equations

// UncertaintyMethodCode: the flow calculation method of the uncertainty budget.
inline constexpr std::string_view kMethodStandard = "N";    // after the standard
inline constexpr std::string_view kMethodMcCrometer = "M";  // a cone meter after its maker
inline constexpr std::string_view kMethodFirst = "1";       // flow calculation methods 1, 2 and 3
inline constexpr std::string_view kMethodSecond = "2";
inline constexpr std::string_view kMethodThird = "3";
inline constexpr std::string_view kMethodLinear = "L";      // the volume meter: q = constant * (volt / time)
inline constexpr std::string_view kMethodPolynomial = "P";  // the volume meter: q = variable * (volt / time)

// UncertaintyPercentBase: the budget's contributions in % of the maximal or of the actual flow.
inline constexpr std::string_view kPercentOfMaxFlow = "M";
inline constexpr std::string_view kPercentOfActualFlow = "A";

// DpTransmitterCount: one dp transmitter, or two with split ranges.
inline constexpr std::string_view kOneDpTransmitter = "1";
inline constexpr std::string_view kTwoDpTransmitters = "2";

// UpstreamFittingCode: "0" the other disturbance (no table row: the user gives the additional
// uncertainty), "1" the first row of the tables, a single 90° bend.
inline constexpr std::string_view kFittingOther = "0";
inline constexpr std::string_view kFittingSingleBend = "1";

// ExtraUncertaintyCode: "1" a flanged device, with the extra orifice uncertainty; "2" welded.
inline constexpr std::string_view kExtraUncertaintyFlanged = "1";

// MaterialCode1, MaterialCode2: "1" to "8" the materials of the menu, "Annat" another one.
inline constexpr std::string_view kMaterialFirst = "1";
inline constexpr std::string_view kMaterialOther = "Annat";

// MaterialMenuTarget: which label opened the material menu.
inline constexpr std::string_view kMaterialOfDevice = "F";
inline constexpr std::string_view kMaterialOfPipe = "R";

// GraphChoice: the diagram of the graph page.
inline constexpr std::string_view kGraphRoot = "rot";  // flow against the root of dp
inline constexpr std::string_view kGraphEnthalpy = "ent";
inline constexpr std::string_view kGraphDensity = "dens";
inline constexpr std::string_view kGraphSteamDensity = "angdens";

// The kind of a unit, as ParseUnitValue and ConvertPressureEntry tell it (ParsedUnitKind).
inline constexpr std::string_view kUnitAbsolutePressure = "A";
inline constexpr std::string_view kUnitGaugePressure = "O";
inline constexpr std::string_view kUnitVolumeFlow = "V";
inline constexpr std::string_view kUnitMassFlow = "M";  // also normal and standard volume flows
inline constexpr std::string_view kUnitUnknown = "X";

// Unit keywords compared as selections. The temperature units:
inline constexpr std::string_view kUnitCelsius = "C";
inline constexpr std::string_view kUnitKelvin = "K";
inline constexpr std::string_view kUnitFahrenheit = "F";
// the length units of the diameters (the caption of dstorkallsort):
inline constexpr std::string_view kUnitMillimetre = "mm";
inline constexpr std::string_view kUnitZoll = "Zoll";  // the German inch
// the velocity unit of a flow:
inline constexpr std::string_view kUnitVelocity = "m/s";
// the viscosity unit of a given gas (the text of qbgsort):
inline constexpr std::string_view kUnitMicroPascalSecond = "Pas*E-6";
// the kinematic viscosity units, upper case:
inline constexpr std::string_view kUnitSquareMetrePerSecondUpper = "M2/S";
inline constexpr std::string_view kUnitStokesUpper = "ST";
inline constexpr std::string_view kUnitCentistokesUpper = "CST";
inline constexpr std::string_view kUnitStokesLongUpper = "STOKES";
inline constexpr std::string_view kUnitCentistokesLongUpper = "CSTOKES";
// the normal volume flows, as the unit parser writes them:
inline constexpr std::string_view kUnitNormalPerHour = "Nm3/h";
inline constexpr std::string_view kUnitNormalPerMinute = "Nm3/min";
inline constexpr std::string_view kUnitNormalPerSecond = "Nm3/s";
inline constexpr std::string_view kUnitNormalLitrePerHour = "Nliter/h";
inline constexpr std::string_view kUnitNormalLitrePerMinute = "Nliter/min";
inline constexpr std::string_view kUnitNormalLitrePerSecond = "Nliter/s";
// the standard volume flows, upper case:
inline constexpr std::string_view kUnitStandardPerHourUpper = "STANDARD_M3/H";
inline constexpr std::string_view kUnitStandardPerMinuteUpper = "STANDARD_M3/MIN";
inline constexpr std::string_view kUnitStandardPerSecondUpper = "STANDARD_M3/S";
inline constexpr std::string_view kUnitStandardMillionFeetPerDay = "MMSCFD";
// the gauge pressures, upper case as the pressure expression compares them:
inline constexpr std::string_view kUnitBarGaugeUpper = "BARÖ";
inline constexpr std::string_view kUnitBarGaugeMixed = "BARö";
inline constexpr std::string_view kUnitBarGaugeG = "BARG";
inline constexpr std::string_view kUnitBarGaugeGerman = "BAR(ü)";
inline constexpr std::string_view kUnitAtGaugeUpper = "ATÖ";
inline constexpr std::string_view kUnitAtGaugeMixed = "ATö";
inline constexpr std::string_view kUnitAtGaugeGerman = "AT(ü)";

// The choice labels whose caption is the selection.
// Excel: "Excel" puts TAB between a report label and its value, "txt" nothing.
inline constexpr std::string_view kSeparatorCaptionExcel = "Excel";
inline constexpr std::string_view kSeparatorCaptionText = "txt";
inline constexpr std::string_view kSeparatorTab = "\t";  // ReportSeparator under "Excel"
// ABBSiemens: the dialect of the generated code.
inline constexpr std::string_view kDialectCaptionAbb = "ABB";
inline constexpr std::string_view kDialectCaptionSiemens = "Siemens";
// ISODIN: the standard, or the maker of a cone meter.
inline constexpr std::string_view kStandardCaptionIso2003 = "ISO5167:2003";
inline constexpr std::string_view kStandardCaptionIso1991 = "ISO5167:1991/1998";
inline constexpr std::string_view kStandardCaptionMcCrometer = "McCrometer";
// strypsort: the make of a cone meter.
inline constexpr std::string_view kConeCaptionFlanged = "V-Cone";
inline constexpr std::string_view kConeCaptionWafer = "V-Cone/Wafer";

// The mode of the code generator: the report's own block, or the big block of a dialect.
inline constexpr std::string_view kCodeModeReport = "RAP";
inline constexpr std::string_view kCodeModeAbb = "ABB";
inline constexpr std::string_view kCodeModeSiemens = "SIEMENS";

// A message or note that holds one blank holds nothing (the limit messages, TableRangeNote).
inline constexpr std::string_view kNoMessage = " ";
// DensityRatioText when the flow and the reference density agree: the generated code takes no ratio.
inline constexpr std::string_view kNoDensityRatio = "1";

}  // namespace tubalyx
