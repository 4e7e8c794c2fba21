"""Methane tables: viscosity (micro-Pa s), enthalpy (kcal/kg) and Cp (kcal/(kg K))."""

from property_tables.second_set import to_specs, build_table, region, union, pressures_between

MEDIUM = "methane"
TITLE = "methane"
NOTES = ['Liquid cells from the reference phase (liquid and supercritical liquid); no data below the', 'melting line at 95 K, 100 K and 105 K in the highest-pressure rows.']


VISCOSITY_PRESSURES = [100, 200, 400, 600, 800, 1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000,
                       9000, 10000, 12000, 14000, 16000, 18000, 20000, 30000, 40000, 50000]
VISCOSITY_TEMPERATURES = [100, 110, 120, 140, 160, 180, 200, 220, 230, 240, 250, 260, 270, 280,
                          290, 300, 320, 350, 400, 500]
PRESSURES = [100, 200, 400, 600, 800, 1000, 2000, 3000, 4000, 6000, 8000, 10000, 12000, 14000,
             16000, 18000, 20000, 30000, 40000, 50000, 60000, 70000]
TEMPERATURES = [95, 100, 105, 110, 115, 120, 130, 140, 150, 160, 180, 200, 220, 230, 240, 250,
                260, 270, 275, 280, 290, 295, 300, 310, 320, 350, 400, 500]


def _high_pressure_nodata(first_95):
    # Below the melting line: 95 K from first_95 kPa up, 100 K from 40000 kPa, 105 K from 60000 kPa.
    P, T = PRESSURES, TEMPERATURES
    return union(region(pressures_between(P, first_95, 70000), 95, 95, T),
                 region(pressures_between(P, 40000, 70000), 100, 100, T),
                 region(pressures_between(P, 60000, 70000), 105, 105, T))


def viscosity():
    telling = {(100, 100): -144.5, (100, 120): 4.78, (100, 300): 11.14, (100, 500): 16.7,
               (200, 140): 5.56}
    return build_table("MethaneViscosity", "MethaneViscosityPT", VISCOSITY_PRESSURES,
                       VISCOSITY_TEMPERATURES, marker_from_phase=True, telling=telling)


def enthalpy():
    telling = {(100, 95): -55.02, (100, 115): 192.274, (100, 300): 286.794, (100, 500): 408.486}
    return build_table("MethaneEnthalpy", "MethaneEnthalpyPT", PRESSURES, TEMPERATURES,
                       nodata=_high_pressure_nodata(18000), marker_from_phase=True, telling=telling)


def cp():
    telling = {(100, 95): -0.7927, (100, 115): 0.5166, (100, 300): 0.5343, (100, 500): 0.6914}
    return build_table("MethaneCp", "MethaneCpPT", PRESSURES, TEMPERATURES,
                       nodata=_high_pressure_nodata(20000), marker_from_phase=True, telling=telling)


def checked_tables():
    return [viscosity(), enthalpy(), cp()]


UNITS = {'MethaneViscosity': 'dynamic viscosity, micro-Pa s', 'MethaneEnthalpy': 'specific enthalpy, kcal/kg', 'MethaneCp': 'cp, kcal/(kg K)'}


def tables():
    return to_specs(checked_tables(), UNITS)
