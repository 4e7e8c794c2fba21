"""Air tables: specific volume (for the density), enthalpy, Cp and viscosity."""

from property_tables.second_set import to_specs, build_table, check_staircase, region, union

MEDIUM = "air"
TITLE = "air"
NOTES = ['The 2500 kPa, 120 K cell of the specific volume and the enthalpy has no data while the', '5000 kPa cell beside it has: the column skip misses it and the table functions repair', 'that corner from its own row.']


PRESSURES = [50, 100, 200, 500, 800, 1000, 2500, 5000, 10000, 20000, 50000, 100000]
VISCOSITY_PRESSURES = [100, 1000, 5000, 10000, 20000, 50000, 100000]
TEMPERATURES = [100, 120, 150, 170, 200, 250, 270, 290, 300, 350, 400, 450, 500, 600, 700, 800,
                900, 1000, 1300]

# The one corner the column skip misses: (2500 kPa, 120 K) has no data while the 5000 kPa
# cell beside it has; the table functions repair it from its own row.
KNOWN_SKIP_MISSES = [(2500.0, 120.0)]


def _density_nodata(T):
    return union(region([800, 1000], 100, 100, T), region([2500], 100, 120, T),
                 region([5000], 100, 100, T), region([10000, 20000], 100, 120, T),
                 region([50000], 100, 170, T), region([100000], 100, 200, T))


def density():
    T = TEMPERATURES
    telling = {(100, 100): 281.2, (100, 300): 861, (100, 1300): 3733,
               (100000, 250): 1.473, (100000, 1300): 4.868,
               (5000, 120): 1.514, (20000, 150): 1.606}
    return build_table("AirDensity", "AirDensityPT", PRESSURES, T, nodata=_density_nodata(T),
                       telling=telling)


def enthalpy():
    T = TEMPERATURES
    telling = {(100, 100): 98.3, (100, 300): 300.3, (100, 1300): 1396.5,
               (100000, 250): 212.8, (100000, 1300): 1479.4, (5000, 120): -37.5}
    return build_table("AirEnthalpy", "AirEnthalpyPT", PRESSURES, T, nodata=_density_nodata(T),
                       negative_data={(5000.0, 120.0)}, telling=telling)


def cp():
    T = TEMPERATURES
    nodata = union(region([800, 1000], 100, 100, T), region([2500, 5000, 10000, 20000], 100, 120, T),
                   region([50000], 100, 170, T), region([100000], 100, 200, T))
    telling = {(100, 100): 1.032, (100, 300): 1.007, (100, 1300): 1.189, (10000, 150): 2.832}
    return build_table("AirCp", "AirCpPT", PRESSURES, T, nodata=nodata, telling=telling)


def viscosity():
    T = TEMPERATURES
    nodata = union(region([1000], 100, 100, T), region([5000, 10000, 20000], 100, 120, T),
                   region([50000], 100, 200, T), region([100000], 100, 290, T))
    telling = {(100, 100): 711, (100, 300): 1846, (100, 1300): 4960, (100000, 300): 5455}
    return build_table("AirViscosity", "AirViscosityPT", VISCOSITY_PRESSURES, T, nodata=nodata,
                       telling=telling)


def checked_tables():
    out = [density(), enthalpy(), cp(), viscosity()]
    for table in out:
        expected = KNOWN_SKIP_MISSES if table.name in ("AirDensity", "AirEnthalpy") else []
        if check_staircase(table) != expected:
            raise SystemExit("%s: unexpected skip misses %s" % (table.name, check_staircase(table)))
    return out


UNITS = {'AirDensity': 'specific volume, dm3/kg', 'AirViscosity': 'dynamic viscosity, 1e-8 Pa s', 'AirEnthalpy': 'specific enthalpy, kJ/kg', 'AirCp': 'cp, kJ/(kg K)'}


def tables():
    return to_specs(checked_tables(), UNITS)
