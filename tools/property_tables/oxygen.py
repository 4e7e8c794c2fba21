"""Oxygen tables: density, viscosity, enthalpy and Cp over pressure and temperature."""

from property_tables.second_set import to_specs, build_table, require_no_skip_misses, region, union, pressures_between

MEDIUM = "oxygen"
TITLE = "Oxygen"
NOTES = ['Density from 100 kPa up: the 50 kPa row is never reached and not generated.']


# The density table's first pressure row (50 kPa) is never reached: the pressure floor is
# 100 kPa, so the generated table starts there.
DENSITY_PRESSURES = ([100, 200, 300, 400, 500, 600, 700, 800, 900, 1000]
                     + list(range(2000, 10001, 1000)) + list(range(20000, 100001, 10000)))
DENSITY_TEMPERATURES = [60, 70, 80, 90, 100, 110, 120, 130, 140, 150, 160, 180, 200, 250, 300,
                        350, 400, 450, 500, 600, 700, 800, 900, 1000, 1100, 1200, 1300]
VISCOSITY_PRESSURES = [100, 1000, 5000, 10000, 20000, 50000, 100000]
ENTHALPY_PRESSURES = [50, 100, 200, 500, 800, 1000, 2500, 5000, 10000, 20000, 50000, 100000]
TEMPERATURES = [100, 120, 150, 170, 200, 250, 270, 290, 300, 350, 400, 450, 500, 600, 700, 800,
                900, 1000, 1300]
TEMPERATURES_2000 = TEMPERATURES + [2000]


def density():
    P, T = DENSITY_PRESSURES, DENSITY_TEMPERATURES
    liquid = union(region([100, 200], 60, 90, T),
                   region(pressures_between(P, 300, 500), 60, 100, T),
                   region(pressures_between(P, 600, 1000), 60, 110, T),
                   region([2000], 60, 130, T),
                   region([3000, 4000], 60, 140, T),
                   region(pressures_between(P, 5000, 30000), 60, 150, T))
    nodata = region(pressures_between(P, 40000, 100000), 60, 180, T)
    telling = {(100, 60): -1282, (100, 100): 3.9447, (100, 300): 1.2837, (100, 1300): 0.296,
               (5000, 150): -717.982, (5000, 160): 207.383,
               (100000, 200): 980.392, (100000, 1300): 240.616}
    return build_table("OxygenDensity", "OxygenDensityPT", P, T, liquid=liquid, nodata=nodata,
                       telling=telling)


def viscosity():
    P, T = VISCOSITY_PRESSURES, TEMPERATURES_2000
    nodata = union(region([1000], 100, 100, T), region([5000, 10000, 20000], 100, 150, T),
                   region([50000], 100, 200, T), region([100000], 100, 270, T))
    telling = {(100, 100): 764, (100, 300): 2072, (100, 2000): 7480, (100000, 290): 6789}
    return build_table("OxygenViscosity", "OxygenViscosityPT", P, T, nodata=nodata, telling=telling)


def _enthalpy_nodata(P, T):
    return union(region([500, 800, 1000], 100, 100, T), region([2500], 100, 120, T),
                 region(pressures_between(P, 5000, 50000), 100, 150, T),
                 region([100000], 100, 170, T))


def enthalpy():
    P, T = ENTHALPY_PRESSURES, TEMPERATURES
    telling = {(100, 100): 88.8, (100, 300): 272.7, (100, 1300): 1313.5, (10000, 170): 34}
    return build_table("OxygenEnthalpy", "OxygenEnthalpyPT", P, T, nodata=_enthalpy_nodata(P, T),
                       telling=telling)


def cp():
    P, T = ENTHALPY_PRESSURES, TEMPERATURES_2000
    telling = {(100, 100): 0.962, (100, 300): 0.92, (10000, 170): 3.56}
    for p in P:
        telling[(p, 2000)] = 1.18  # the same value in every row
    return build_table("OxygenCp", "OxygenCpPT", P, T, nodata=_enthalpy_nodata(P, T), telling=telling)


def checked_tables():
    return require_no_skip_misses([density(), viscosity(), enthalpy(), cp()])


UNITS = {'OxygenDensity': 'density, kg/m3 (negative: liquid density)', 'OxygenViscosity': 'dynamic viscosity, 1e-8 Pa s', 'OxygenEnthalpy': 'specific enthalpy, kJ/kg', 'OxygenCp': 'cp, kJ/(kg K)'}


def tables():
    return to_specs(checked_tables(), UNITS)
