"""Ammonia tables: density, viscosity, enthalpy, cp."""
from property_tables.common import TableLayout, frange

MEDIUM = "ammonia"
TITLE = "ammonia"
NOTES = [
    "Liquid and no-data cells follow the reference files' marker columns; where those are",
    "empty the phase column decides (liquid and supercritical-liquid points stored negative).",
    "The fixed cells below are this table set's own values and stand over the reference files.",
]

_P = [506.63, 1013.25, 1519.88, 2026.5, 2533.13, 3039.75, 4053, 5066.25, 6079.5, 7092.75, 8106,
      9119.25, 10132.5, 12159, 14185.5, 16212, 18238.5, 20265, 30397.5, 40530, 50662.5, 60795,
      70927.5, 81060, 91192.5, 101325]
DENSITY_P = [101.325] + _P
HEAT_P = [101.33] + _P
T13 = frange(300, 500, 20) + [540, 580]
VISCOSITY_P = [101.325, 2026.5, 4053, 5066.25, 6079.5, 7092.75, 8106, 10132.5, 12665.63, 15198.75,
               20265, 30397.5, 40530, 50662.5, 60795, 70927.5, 81060]
VISCOSITY_T = [203.5, 213.5, 223.15] + frange(233.15, 333.15, 10) + [353.15, 373.15, 393.15, 413.15,
                                                                       423.15, 473.15]


def tables():
    return [
        TableLayout("AmmoniaDensity", "AmmoniaDensityPT.csv", DENSITY_P, T13, "density, kg/m3",
                  fixed={(101.325, 300): 0.6985, (2026.5, 320): -567.73, (101325, 420): 545.9,
                         (2026.5, 340): 14.241}),
        TableLayout("AmmoniaViscosity", "AmmoniaViscosityPT.csv", VISCOSITY_P, VISCOSITY_T,
                  "dynamic viscosity, micro-Pa s",
                  fixed={(101.325, 303.15): 10.4, (2026.5, 303.15): -136.5, (10132.5, 203.5): -621.0,
                         (10132.5, 473.15): 18.05, (2026.5, 353.15): 12.4}),
        TableLayout("AmmoniaEnthalpy", "AmmoniaEnthalpyPT.csv", HEAT_P, T13, "specific enthalpy, kcal/kg",
                  fixed={(101.33, 300): 551.5, (2026.5, 320): -283.05}),
        TableLayout("AmmoniaCp", "AmmoniaCpPT.csv", HEAT_P, T13, "cp, kcal/(kg K)",
                  fixed={(101.33, 300): 0.5159, (2026.5, 320): -1.192}),
    ]
