"""Propane tables: density, viscosity, enthalpy, cp, cv."""
from property_tables.common import TableLayout, frange

MEDIUM = "propane"
TITLE = "propane"
NOTES = [
    "Liquid and no-data cells follow the reference files' marker columns; where those are",
    "empty the phase column decides (liquid and supercritical-liquid points stored negative).",
    "The fixed cells below are this table set's own values and stand over the reference files.",
]

DENSITY_P = [100.0, 500.0, 1000.0] + frange(2000, 20000, 1000) + [25000.0, 30000.0]
DENSITY_T = frange(248.15, 548.15, 25)
VISCOSITY_P = [101.33, 2026.5, 3546.38, 4053, 4559.63, 5066.25, 6079.5, 7599.38, 10132.5,
               15198.75, 20265, 30397.5, 40530, 50662.5, 60795, 70927.5, 81060]
VISCOSITY_T = [297.65, 325.65, 365.85, 373.95, 424.15, 474.15, 523.15]
HEAT_P = [0.5066, 1.0133, 5.0663, 10.1325, 20.265, 30.3975, 40.53, 50.6625, 60.795, 70.9275,
          81.06, 91.1925, 101.325, 151.9875, 202.65, 303.975, 405.3, 506.625]
HEAT_T = frange(230, 360, 10) + [380, 400, 500, 600]


def tables():
    return [
        TableLayout("PropaneDensity", "PropaneDensityPT.csv", DENSITY_P, DENSITY_T, "density, kg/m3",
                  fixed={(100, 248.15): 2.202, (100, 548.15): 0.9693, (1000, 248.15): -566.9,
                         (10000, 298.15): -519.1,
                         (30000, 498.15): -348.0, (30000, 548.15): -304.9}),
        TableLayout("PropaneViscosity", "PropaneViscosityPT.csv", VISCOSITY_P, VISCOSITY_T,
                  "dynamic viscosity, micro-Pa s",
                  fixed={(101.33, 297.65): 8.11, (2026.5, 297.65): -96.7, (5066.25, 297.65): 102.4}),
        TableLayout("PropaneEnthalpy", "PropaneEnthalpyPT.csv", HEAT_P, HEAT_T, "specific enthalpy, kcal/kg",
                  fixed={(0.5066, 230): 202.8, (1.0133, 230): -100.1, (0.5066, 600): 395.8},
                  pressure_unit="bar"),
        TableLayout("PropaneCp", "PropaneCpPT.csv", HEAT_P, HEAT_T, "cp, kcal/(kg K)",
                  fixed={(0.5066, 230): 0.3243, (1.0133, 230): -0.5375, (303.975, 320): -0.5874},
                  pressure_unit="bar"),
        TableLayout("PropaneCv", "PropaneCvPT.csv", HEAT_P, HEAT_T, "cv, kcal/(kg K)",
                  fixed={(0.5066, 230): 0.2744, (1.0133, 230): -0.4831},
                  pressure_unit="bar"),
    ]
