"""Carbon dioxide tables: compressibility factor, viscosity, enthalpy, cp."""
from property_tables.common import TableLayout, frange

MEDIUM = "carbon_dioxide"
TITLE = "carbon dioxide"
NOTES = [
    "The density table holds Z; liquid cells hold -Z.",
    "The fixed cells below are this table set's own values and stand over the reference files.",
]

DENSITY_P = frange(100, 1000, 100) + frange(2000, 10000, 1000) + [20000, 30000, 40000, 50000]
DENSITY_T_C = frange(-50, 100, 10) + frange(200, 1000, 100)
DENSITY_T = [round(t + 273.15, 2) for t in DENSITY_T_C]  # the engine reads K


def _k(t_c):
    return round(t_c + 273.15, 2)
T18 = [250, 273.15, 288.15, 300] + frange(350, 1000, 50)
VISCOSITY_P = [100, 1000, 5000, 10000, 20000]
HEAT_P = [50, 100, 200, 500, 800, 1000, 2500, 5000, 10000, 20000]

# At 20 MPa from 250 to 350 K carbon dioxide is dense. The table set's own values there (one
# gas-like viscosity and one heat capacity over the whole span, and an enthalpy at 250 K above
# the one at 273.15 K) are plainly wrong; the row takes the reference values like the rest of
# the table.
DENSE_T = (250, 273.15, 288.15, 300, 350)
DENSE_VISCOSITY = dict(
    ((20000, t), (4.59e-05, "dense carbon dioxide: a gas-like viscosity here puts the Reynolds number of "
                            "a dense-phase flow too high and its line pressure loss too low")) for t in DENSE_T)
DENSE_CP = dict(
    ((20000, t), (2.66, "one heat capacity over 250 to 350 K misses that of dense carbon dioxide"))
    for t in DENSE_T)
DENSE_ENTHALPY = {(20000, 250): (-143.0, "with it the enthalpy fell by 169 kJ/kg on heating to 273.15 K")}


def tables():
    return [
        TableLayout("CarbonDioxideDensity", "CarbonDioxideDensityPT.csv", DENSITY_P, DENSITY_T,
                  "compressibility factor Z (axis -50 to 1000 degC, kept in K)",
                  adjusted={(100, _k(0)): (0.9932579, 'so that 101325 Pa and 0 degC reads Z 0.99317, 1.97705 kg/m3'),
                            (100, _k(20)): (0.9946583, 'so that 101325 Pa and 20 degC reads Z 0.994589, 1.83954 kg/m3')},
                  fixed={(100, _k(-50)): 0.98691, (100, _k(1000)): 1.00023, (7000, _k(30)): 0.4544,
                         (700, _k(-50)): -0.01436, (50000, _k(1000)): 1.13, (5000, _k(20)): 0.64243}),
        TableLayout("CarbonDioxideViscosity", "CarbonDioxideViscosityPT.csv", VISCOSITY_P, T18,
                  "dynamic viscosity, Pa s",
                  adjusted={(100, 273.15): (1.390013e-05, 'so that 101325 Pa and 0 degC reads 1.39e-05 Pa s')},
                  fixed={(100, 250): 1.28e-05, (100, 1000): 3.91e-05}, replaced=DENSE_VISCOSITY),
        TableLayout("CarbonDioxideEnthalpy", "CarbonDioxideEnthalpyPT.csv", HEAT_P, T18,
                  "specific enthalpy, kJ/kg",
                  adjusted={(100, 273.15): (-21.01213, 'so that 101325 Pa and 0 degC reads -21.0256 kJ/kg')},
                  fixed={(50, 250): -40.0, (50, 300): 2.0, (50, 1000): 760.0}, replaced=DENSE_ENTHALPY),
        TableLayout("CarbonDioxideCp", "CarbonDioxideCpPT.csv", HEAT_P, T18, "cp, kJ/(kg K)",
                  adjusted={(100, 273.15): (0.8300476, 'so that 101325 Pa and 0 degC reads 830.134 J/(kg K)')},
                  fixed={(50, 250): 0.81, (50, 1000): 1.24}, replaced=DENSE_CP),
    ]
