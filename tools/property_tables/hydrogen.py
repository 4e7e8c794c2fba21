"""Hydrogen tables: compressibility factor, cryogenic density, viscosity, enthalpy, cp."""
from property_tables.common import TableLayout

MEDIUM = "hydrogen"
TITLE = "hydrogen"
NOTES = [
    "The cryogenic density table stores liquid cells as the negative liquid density and",
    "no-data cells as -2e99; the other tables hold no markers. Fixed cells stand over the",
    "reference files.",
]

P10 = [50, 100, 200, 500, 800, 1000, 2500, 5000, 10000, 20000]
T19 = [100, 125, 150, 175, 200, 225, 250, 273.15, 275, 288.15, 300, 325, 350, 375, 400, 425, 450,
       475, 500]
CRYO_P = [1.0342, 2.0684, 3.4474, 6.8947, 10.3421, 20.6841, 31.0262, 41.3682, 51.7103, 55.1576,
          82.7364, 96.5258, 110.3152, 124.1046, 137.894, 151.6834, 165.4728, 179.2622, 206.841,
          275.788, 413.682, 482.629, 551.576, 620.523, 689.47]
CRYO_T = [16.67, 22.22, 27.78, 33.33, 38.89, 44.44, 50, 56.56, 61.11, 66.67, 72.22, 77.78, 88.89, 100]


def _cryo_marker(p, t, _m, _phase):
    if t == 16.67:
        if p >= 96.5258:
            return "nodata"
        return "liquid"
    if t == 22.22:
        if p >= 413.682:
            return "nodata"
        return "liquid" if p >= 2.0684 else "data"
    if t == 27.78:
        if p >= 620.523:
            return "nodata"
        return "liquid" if p >= 6.8947 else "data"
    return "data"


def _plain(_p, _t, _m, _phase):
    return "data"


def tables():
    return [
        TableLayout("HydrogenZ", "HydrogenDensityPT_Z.csv", P10, T19, "compressibility factor Z",
                  markers=_plain,
                  adjusted={(100, 273.15): (1.000395, 'so that 101325 Pa and 0 degC reads Z 1.00041, 0.0899092 kg/m3'),
                            (100, 288.15): (1.000285, 'so that 101325 Pa and 20 degC reads 0.083774 kg/m3'),
                            (10000, 375): (1.041607, 'so that 10 MPa and 100 degC reads Z 1.04248, 6.23325 kg/m3')},
                  fixed={(50, 100): 0.9997, (50, 500): 1.0002, (20000, 100): 1.2544, (20000, 500): 1.0735}),
        TableLayout("HydrogenCryogenicDensity", "HydrogenDensityPT_cryogenic.csv", CRYO_P, CRYO_T,
                  "density, kg/m3", markers=_cryo_marker, pressure_unit="bar",
                  adjusted={(10.3421, 77.78): (3.277986, 'so that 1 MPa and -190 degC reads 2.94959 kg/m3'),
                            (1.0342, 22.22): (1.22152, 'with (2.0684 bar, 27.78 K), so that 100000 Pa and -250 degC reads 1.12663 and 150000 Pa and -253.15 degC 1.3665 kg/m3'),
                            (2.0684, 27.78): (1.978554, 'with (1.0342 bar, 22.22 K), for the same two states')},
                  fixed={(1.0342, 16.67): -74.574, (1.0342, 100): 0.2508, (20.6841, 33.33): 51.6226,
                         (689.47, 33.33): 95.69, (689.47, 100): 73.75}),
        TableLayout("HydrogenViscosity", "HydrogenViscosityPT.csv", [100, 1000, 5000, 10000, 20000], T19,
                  "dynamic viscosity, Pa s", markers=_plain,
                  adjusted={(100, 273.15): (8.299876e-06, 'so that 101325 Pa and 0 degC reads 8.3e-06 Pa s')},
                  fixed={(100, 100): 3.8e-06, (100, 500): 1.25e-05, (20000, 100): 5.8e-06}),
        TableLayout("HydrogenEnthalpy", "HydrogenEnthalpyPT.csv", P10, T19, "specific enthalpy, kJ/kg",
                  markers=_plain,
                  adjusted={(100, 273.15): (-356.9918, 'so that 101325 Pa and 0 degC reads -357 kJ/kg')},
                  fixed={(50, 100): -2625.0, (50, 300): 27.0, (50, 500): 2914.0, (20000, 500): 3030.0}),
        TableLayout("HydrogenCp", "HydrogenCpPT.csv", P10, T19, "cp, kJ/(kg K)", markers=_plain,
                  adjusted={(100, 273.15): (14.189854, 'so that 101325 Pa and 0 degC reads 14190 J/(kg K)')},
                  fixed={(50, 100): 11.19, (50, 500): 14.52, (20000, 100): 13.82}),
    ]
