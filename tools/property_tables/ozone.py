"""Ozone density table."""
from property_tables.common import TableLayout, frange

MEDIUM = "ozone"
TITLE = "ozone"
NOTES = [
    "No liquid cells; no data at 250 K from 800 to 5000 kPa and at 250 and 273.15 K",
    "at 10000 and 20000 kPa. The fixed cells below stand over the reference file.",
]

P10 = [50, 100, 200, 500, 800, 1000, 2500, 5000, 10000, 20000]
T18 = [250, 273.15, 288.15, 300] + frange(350, 1000, 50)


def _marker(p, t, _marker, _phase):
    if t == 250 and p in (800, 1000, 2500, 5000, 10000, 20000):
        return "nodata"
    if t == 273.15 and p in (10000, 20000):
        return "nodata"
    return "data"


def tables():
    return [
        TableLayout("OzoneDensity", "OzoneDensityPT.csv", P10, T18, "density, kg/m3", markers=_marker,
                  adjusted={(100, 273.15): (2.124967, 'so that 101325 Pa and 0 degC reads 2.15331 kg/m3'),
                            (800, 273.15): (17.6631, 'with (1000 kPa, 273.15 K), both scaled alike, so that 900 kPa and -20 degC reads 18.5559 kg/m3'),
                            (1000, 273.15): (22.3705, 'with (800 kPa, 273.15 K), for the same state'),
                            (100, 288.15): (2.012373, 'so that 101325 Pa and 20 degC reads 2.00435 kg/m3')},
                  fixed={(50, 250): 1.159, (50, 1000): 0.289, (5000, 273.15): 160.528,
                         (10000, 288.15): 466.0, (20000, 288.15): 761.873, (20000, 1000): 107.138}),
    ]
