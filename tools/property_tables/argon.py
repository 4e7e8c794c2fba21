"""Argon tables: density, viscosity, enthalpy and Cp over pressure and temperature."""

from property_tables.second_set import to_specs, build_table, require_no_skip_misses, region, union, pressures_between
from property_tables.oxygen import (DENSITY_PRESSURES, ENTHALPY_PRESSURES, TEMPERATURES,
                                    TEMPERATURES_2000, VISCOSITY_PRESSURES)

MEDIUM = "argon"
TITLE = "Argon"
NOTES = ['Density from 100 kPa up: the 50 kPa row is never reached and not generated.']


DENSITY_TEMPERATURES = [85, 90, 100, 110, 120, 130, 140, 150, 160, 200, 250, 260, 270, 280, 290,
                        300, 320, 350, 400, 450, 500, 600, 700, 800, 900, 1000, 1100]


def density():
    P, T = DENSITY_PRESSURES, DENSITY_TEMPERATURES
    liquid = union(region([100], 85, 85, T), region([200, 300], 85, 90, T),
                   region([400, 500, 600], 85, 100, T),
                   region(pressures_between(P, 700, 1000), 85, 110, T),
                   region([2000], 85, 120, T), region([3000], 85, 130, T), region([4000], 85, 140, T),
                   region(pressures_between(P, 5000, 20000), 90, 150, T),
                   region(pressures_between(P, 30000, 60000), 100, 150, T),
                   region(pressures_between(P, 70000, 100000), 110, 150, T))
    nodata = union(region(pressures_between(P, 5000, 20000), 85, 85, T),
                   region(pressures_between(P, 30000, 60000), 85, 90, T),
                   region(pressures_between(P, 70000, 100000), 85, 100, T))
    telling = {(100, 85): -1407.66, (100, 90): 5.5075, (100, 300): 1.6024, (100, 1100): 0.4367,
               (5000, 150): -759.994, (5000, 160): 244.254,
               (100000, 110): -1493.65, (100000, 160): 1328.2, (100000, 1100): 349.296}
    return build_table("ArgonDensity", "ArgonDensityPT", P, T, liquid=liquid, nodata=nodata,
                       telling=telling)


def viscosity():
    P, T = VISCOSITY_PRESSURES, TEMPERATURES_2000
    nodata = union(region([1000], 100, 100, T), region([5000, 10000, 20000, 50000], 100, 150, T),
                   region([100000], 100, 200, T))
    telling = {(100, 100): 830, (100, 300): 2271, (100, 2000): 8170, (100000, 250): 8976}
    return build_table("ArgonViscosity", "ArgonViscosityPT", P, T, nodata=nodata, telling=telling)


def _enthalpy_nodata(P, T):
    return union(region([500, 800, 1000], 100, 100, T), region([2500], 100, 120, T),
                 region(pressures_between(P, 5000, 50000), 100, 150, T),
                 region([100000], 100, 200, T))


def enthalpy():
    P, T = ENTHALPY_PRESSURES, TEMPERATURES
    # The two negative enthalpies at 170 K are genuine; the table counts them by magnitude.
    liquid = region([20000, 50000], 170, 170, T)
    telling = {(100, 100): 50.6, (100, 300): 155.9, (100, 1300): 676.5, (50, 1300): 676.5,
               (10000, 170): 2.4, (20000, 170): -15.3, (50000, 170): -12.3}
    # At 20000 kPa and 185 K the enthalpy is the mean of |-15.3| and the 200 K cell, 19.85 kJ/kg.
    adjusted = {(20000, 200): (24.4, "so that 20000 kPa, 185 K gives (15.3 + 24.4) / 2 = 19.85 kJ/kg")}
    return build_table("ArgonEnthalpy", "ArgonEnthalpyPT", P, T, liquid=liquid,
                       nodata=_enthalpy_nodata(P, T), telling=telling, adjusted=adjusted)


def cp():
    P, T = ENTHALPY_PRESSURES, TEMPERATURES_2000
    telling = {(100, 100): 0.55, (100, 300): 0.522, (100, 2000): 0.52, (10000, 170): 2.459}
    return build_table("ArgonCp", "ArgonCpPT", P, T, nodata=_enthalpy_nodata(P, T), telling=telling)


def checked_tables():
    return require_no_skip_misses([density(), viscosity(), enthalpy(), cp()])


UNITS = {'ArgonDensity': 'density, kg/m3 (negative: liquid density)', 'ArgonViscosity': 'dynamic viscosity, 1e-8 Pa s', 'ArgonEnthalpy': 'specific enthalpy, kJ/kg (two genuine negative cells at 170 K, counted by magnitude)', 'ArgonCp': 'cp, kJ/(kg K)'}


def tables():
    return to_specs(checked_tables(), UNITS)
