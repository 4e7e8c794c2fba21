"""Nitrogen tables: compressibility factor, viscosity, enthalpy, cp."""
from property_tables.common import TableLayout, frange

MEDIUM = "nitrogen"
TITLE = "nitrogen"
NOTES = [
    "No liquid cells; no-data cells follow the reference files' marker columns.",
    "The fixed cells below stand over the reference files.",
]

DENSITY_P = frange(100, 1000, 100) + frange(2000, 10000, 1000) + frange(20000, 100000, 10000)
DENSITY_T = frange(80, 180, 10) + frange(200, 300, 20) + [350, 400] + frange(500, 1000, 100)
VISCOSITY_P = [100, 1000, 5000, 10000, 20000, 50000, 100000]
VISCOSITY_T = [100, 120, 150, 170, 200, 250, 270, 290, 300, 350, 400, 450, 500, 600, 700, 800, 900,
               1000, 1300, 2000]
HEAT_P = [50, 100, 200, 500, 800, 1000, 2500, 5000, 10000, 20000, 50000, 100000]
HEAT_T = VISCOSITY_T[:-1]


def _density_marker(p, t, _m, _phase):
    if p == 100:
        return "data"
    limit = (80 if p <= 300 else 90 if p <= 700 else 100 if p <= 1000 else 110 if p <= 2000 else 120)
    return "nodata" if t <= limit else "data"


def _viscosity_marker(p, t, _m, _phase):
    if p == 1000 and t == 100:
        return "nodata"
    if 5000 <= p <= 50000 and t <= 120:
        return "nodata"
    if p == 100000 and t <= 170:
        return "nodata"
    return "data"


def _heat_marker(p, t, _m, _phase):
    if 800 <= p <= 2500 and t == 100:
        return "nodata"
    if p >= 5000 and t <= 120:
        return "nodata"
    return "data"


def tables():
    return [
        TableLayout("NitrogenDensity", "NitrogenDensityPT.csv", DENSITY_P, DENSITY_T,
                  "compressibility factor Z", markers=_density_marker,
                  adjusted={(1000, 110): (0.83029, 'so that 1 MPa and -180 degC reads Z 0.83029, 43.564 kg/m3'),
                            (30000, 130): (1.12671, 'so that 30 MPa and -150 degC reads Z 1.12671, 728.475 kg/m3')},
                  fixed={(100, 80): 0.96173, (100, 1000): 1.00034, (4000, 130): 0.34718,
                         (100000, 130): 3.1258, (100000, 1000): 1.36136}),
        TableLayout("NitrogenViscosity", "NitrogenViscosityPT.csv", VISCOSITY_P, VISCOSITY_T,
                  "dynamic viscosity, 1e-8 Pa s", markers=_viscosity_marker,
                  adjusted={(100, 270): (1644.597, 'so that 101325 Pa and 0 degC reads 1.65867e-05 Pa s'),
                            (100, 290): (1733.782, 'so that 101325 Pa and 20 degC reads 1.7512e-05 Pa s'),
                            (1000, 120): (868.0, 'so that 1 MPa and -180 degC reads 8.68e-06 Pa s')},
                  fixed={(100, 100): 688.0, (100, 2000): 6190.0, (100000, 200): 8050.0}),
        TableLayout("NitrogenEnthalpy", "NitrogenEnthalpyPT.csv", HEAT_P, HEAT_T, "specific enthalpy, kJ/kg",
                  markers=_heat_marker,
                  adjusted={(100, 270): (280.024, 'so that 101325 Pa and 0 degC reads 283.272 kJ/kg')},
                  fixed={(50, 100): 102.7, (50, 300): 311.3, (50, 1300): 1434.0, (20000, 150): 31.6}),
        TableLayout("NitrogenCp", "NitrogenCpPT.csv", HEAT_P, HEAT_T, "cp, kJ/(kg K)", markers=_heat_marker,
                  adjusted={(100, 270): (1.040937, 'so that 101325 Pa and 0 degC reads 1041.03 J/(kg K)')},
                  fixed={(50, 100): 1.054, (2500, 120): 3.765, (100000, 1300): 1.25}),
    ]
