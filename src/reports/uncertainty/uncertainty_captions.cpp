#include "reports/uncertainty/uncertainty_captions.h"

namespace tubalyx::uncertainty_captions {

const LangText FlowAxis{"Flöde i % av maxflöde", "Durchfluss (% von Durchflussendwert)", "Flow in % of maxflow"};

// clang-format off
const LangText VolumeMeterSpan{"Flödesmätare/osäkerhet % av max               1.", "Durchflusstransm/Unsicherheit (% von Endwert) 1.", "Flow transmitter/uncertainty % of span        1."};
const LangText ConeSpecified{"McCrometer specificerad osäkerhet             1.", "McCrometer Unsicherheit                       1.", "McCrometer specified uncertainty              1."};
const LangText StandardUncertainty{"Normosäkerhet                                 1.", "Norm Unsicherheit                             1.", "Standard uncertainty                          1."};
const LangText VolumeMeterActual{"Flödesmätare/osäkerhet % av aktuellt          2.", "Durchflusstransm/Unsicherheit (% von Messwert)2.", "Flow transmitter/uncertainty % of actual flow 2."};
const LangText CalculationError{"Flödesberäkningsfel                           2.", "Durchfluss Berechnungsfehler                  2.", "Flow calculation mathematical error           2."};
const LangText VolumeMeterCalculationError{"Beräkningsfel                                3.", "Berechnungs Fehler                          3.", "Calculation Error                           3."};
const LangText DpSpanTwo{"dp-cell % av maxdifftryck (2 st)             3.", "dp-cell % von grösstem Wirkdruck (2)        3.", "dp-transmitter % of maxdp (2 Pcs)           3."};
const LangText DpSpanOne{"dp-cell % av maxdifftryck                    3.", "dp-cell % von grösstem Wirkdruck            3.", "dp-transmitter % of maxdp                   3."};
const LangText DpActualTwo{"dp-cell % av aktuellt difftryck (2)          4.", "dp-cell % von aktuellem Wirkdruck (2)       4.", "dp-transmitter % of act. dp (2 Pcs)         4."};
const LangText DpActualOne{"dp-cell % av aktuellt difftryck              4.", "dp-cell % von aktuellem Wirkdruck           4.", "dp-transmitter % of act. dp                 4."};
const LangText ConeDiameter{"Kondiameter (mm)                              8.", "Konus Durchmesser (mm)                        8.", "V-Cone diameter (mm)                          8."};
const LangText ThroatDiameter{"Håldiameter (mm)                              8.", "Drosselöffnung (mm)                           8.", "Throat diameter (mm)                          8."};

const LangText FixedRows[19] = {
    {"", "", ""},  // 0: the flow axis
    {"", "", ""},  // 1: by device
    {"", "", ""},  // 2: by device
    {"", "", ""},  // 3: by device
    {"", "", ""},  // 4: by device
    {"Rotfunktion i dp-cell (J/N)                   5.", "Wurzelber. im Wirkdruckmessumformer(J/N)      5.", "Square root function in dp-transm.(Y/N)       5."},  // 5
    {"Styrsystem A/D omv % av span                  6.", "Rechner A/D Unsicherheit % von Endwert        6.", "Control system A/D conversion % of span       6."},  // 6
    {"Styrsystem A/D omv % av aktuell               7.", "Rechner A/D Unsicherheit % von Messwert       7.", "Control system A/D conversion % of act.       7."},  // 7
    {"", "", ""},  // 8: by device
    {"Inloppskantradie (mm)                         9.", "Einlauf Drosselöffnung Kantradius (mm)        9.", "Inlet edge radius (mm)                        9."},  // 9
    {"Rördiameter (mm)                             10.", "Rohrdurchmesser (mm)                         10.", "Tube diameter (mm)                           10."},  // 10
    {"Rörråhet    (mm)                             11.", "Rohrrauheit     (mm)                         11.", "Tube roughness (mm)                          11."},  // 11
    {"Densitet osäkerhet (% akt)                   12.", "Dichte Unsicherheit (% von Wert)             12.", "Density uncertainty (% of actual)            12."},  // 12
    {"Densitet fel (% akt)                         13.", "Dichte Fehler (% von Wert)                   13.", "Density error (% of actual)                  13."},  // 13
    {"Viskositet (% akt)                           14.", "Viskosität (% von Wert)                      14.", "Viscosity (% of actual)                      14."},  // 14
    {"Kappa (% akt)                                15.", "Kappa (% von Wert)                           15.", "Kappa (% of actual)                          15."},  // 15
    {"Mediatryck (% akt)                           16.", "Fluid statische Druck (% von akt)            16.", "Media static pressure (% of actual)          16."},  // 16
    {"Mediatemp (C)                                17.", "Fluid statische Temp (C)                     17.", "Media static temp (C)                        17."},  // 17
    {"Fukt %                                       18.", "Feuchte %                                    18.", "Humidity %                                   18."},  // 18
};

const LangText DensityCalculationError{"Densitet beräkningsfel (% akt)               13.", "Dichte Berechnungsfehler (% von Wert)        13.", "Density calculation error (% of actual)      13."};
const LangText DensityIdealGasError{"Densitet beräkningsfel ideala gaslagen(% akt)13.", "Dichte Berechnungsfehler ideal Gas(% von W.) 13.", "Density calc. error ideal gas (% of actual)  13."};
const LangText DensityCompensationError{"Densitet beräkningsfel komp.faktorer  (% akt)13.", "Dichte Berechnungsfehl. komp.fakt.(% von W.) 13.", "Density calc. error komp.fact.(% of actual)  13."};

const BasedCaption OtherErrors{{"Övriga fel % av maximalt flöde            19.", "Andere Fehler % grösstem Durchfluss       19.", "Other ERRORS % of maximal Flow            19."},
    {"Övriga fel % aktuellt flöde               19.", "Andere Fehler % von aktuellem D.fluss       19.", "Other ERRORS % actual Flow                19."}};
const BasedCaption OtherUncertainties{{"Övriga osäkerheter % av max. fl.          20.", "Andere Unsicherheiten % gr. Durchfl.      20.", "Other UNCERTAINTIES % maximal Flow        20."},
    {"Övriga osäkerheter % aktuellt flöde       20.", "Andere Unsicherheiten % von akt. Durchfl.   20.", "Other UNCERTAINTIES % actual Flow         20."}};
const BasedCaption Total{{"Totalosäkerhet % av max. flöde", "Gesamtunsicherheit % von gr. D.fluss", "Total uncertainty % of maximal Flow"},
    {"Totalosäkerhet % av aktuellt flöde", "Gesamtunsicherheit % von akt. Durchfluss", "Total uncertainty % of actual Flow"}};
const BasedCaption DryGasTotal{{"Totalosäkerhet torrdel % av m.fl.", "Ges. uns. trocken Gas % von gr.D.fl.", "Total uncertainty dry Gas % max. Fl."},
    {"Totalosäkerhet torrdel % av a.fl.", "Gesamtunsicherheit trocken Gas", "Total uncertainty dry Gas % actual Flow"}};
const BasedCaption EnergyFlowTotal{{"Totalos. energiflöde MJ/h % av max", "Ges. uns. Durchfl. MJ/h % von gr. D.fluss", "Tot. unc. Energy flow MJ/h % of max. Flow"},
    {"Totalos. energiflöde MJ/h % av akt", "Ges.Uns. Energie D.Fluss MJ/h % v. akt. q", "Total unc. energy fl. MJ/h % of act. Fl."}};
// clang-format on

const char* const CompositionRows[5] = {"CH4  % of mol fraction", "N2   % of mol fraction", "CO2  % of mol fraction",
                                        "C2H6 % of mol fraction", "C3H8 % of mol fraction"};

}  // namespace tubalyx::uncertainty_captions
