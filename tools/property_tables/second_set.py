"""Layout checks of the second set of gas tables (oxygen, argon, air, methane).

A table is built from its reference CSV on the axes given here with the marker layout
(liquid cells stored negative, no-data cells stored as -2e99) and the fixed cells; every
decision is checked against the CSV's own marker column, the fixed cells against the layout
and the no-data staircases against the column skip, so that a layout typo fails the
generator instead of slipping into the program. to_spec hands the checked table to the
generator's common TableLayout and verifies that it builds the same cells.
"""

import csv
import math
import os

NO_DATA = -2e99

# The reference property data stand beside the repository, in shared/property-data.
DATA_DIR = os.environ.get(
    "TUBALYX_PROPERTY_DATA",
    os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "shared", "property-data"))


def read_cells(csv_name):
    """{(pressure, temperature): row} of one property CSV."""
    path = os.path.join(DATA_DIR, csv_name + ".csv")
    cells = {}
    with open(path, newline="") as handle:
        for row in csv.DictReader(handle):
            key = "pressure_kPa" if "pressure_kPa" in row else "pressure_bar"
            cells[(float(row[key]), float(row["temperature_K"]))] = row
    return cells


def region(pressures, t_low, t_high, temperatures):
    """Set of (p, T) for the given pressures and the axis temperatures in [t_low, t_high]."""
    return {(float(p), float(t)) for p in pressures for t in temperatures if t_low <= t <= t_high}


def union(*sets):
    out = set()
    for s in sets:
        out |= s
    return out


def pressures_between(axis, low, high):
    return [p for p in axis if low <= p <= high]


class Table:
    """One pressure-temperature table ready for emission."""

    def __init__(self, name, pressures, temperatures, cells, notes, csv_name="", fixed=None,
                 adjusted=None):
        self.name = name
        self.csv_name = csv_name
        self.fixed = dict(fixed or {})
        self.adjusted = dict(adjusted or {})
        self.pressures = [float(p) for p in pressures]
        self.temperatures = [float(t) for t in temperatures]
        self.cells = cells      # list of rows, each len(temperatures)
        self.notes = notes      # comment lines: adjusted cells and their reason

    def cell(self, p, t):
        return self.cells[self.pressures.index(float(p))][self.temperatures.index(float(t))]


def build_table(name, csv_name, pressures, temperatures, liquid=frozenset(), nodata=frozenset(),
                negative_data=frozenset(), telling=None, adjusted=None, marker_from_phase=False,
                ignore_marker=frozenset(), transform=None):
    """Build one table.

    liquid: cells stored as minus the magnitude; nodata: cells stored as -2e99;
    negative_data: cells that are genuinely negative and stored with their own sign;
    telling: {(p, T): signed value} fixed cells; adjusted: {(p, T): (signed value, reason)}
    cells moved away from the CSV so that a stated state holds; marker_from_phase: where the
    CSV has no marker, liquid and supercritical_liquid points are the liquid cells;
    ignore_marker: cells whose CSV marker is knowingly overruled (listed in the notes);
    transform: applied to the CSV magnitude (unit change), default none.
    """
    telling = dict(telling or {})
    adjusted = dict(adjusted or {})
    all_fixed, all_adjusted = dict(telling), dict(adjusted)
    rows = read_cells(csv_name)
    liquid = set(liquid)
    nodata = set(nodata)
    notes = []
    cells = []
    for p in pressures:
        row = []
        for t in temperatures:
            key = (float(p), float(t))
            if key not in rows:
                raise SystemExit("%s: no reference value at %s kPa, %s K" % (csv_name, p, t))
            ref = rows[key]
            marker = ref.get("spec_marker", "")
            phase = ref.get("phase", "")
            if marker_from_phase and (marker == "liquid" or (
                    marker == "" and phase in ("liquid", "supercritical_liquid"))):
                if key not in nodata:
                    liquid.add(key)
            kind = "nodata" if key in nodata else "liquid" if key in liquid else "data"
            if marker and key not in ignore_marker:
                expected = {"liquid": "liquid", "nodata": "nodata", "data": "data"}[marker]
                # A genuinely negative enthalpy counted by magnitude is marked liquid in the CSV.
                if key in negative_data and marker == "liquid":
                    expected = "data"
                if expected != kind:
                    raise SystemExit("%s: marker at %s kPa, %s K is %s, layout says %s"
                                     % (csv_name, p, t, marker, kind))
            if kind == "nodata":
                value = NO_DATA
            else:
                text = ref["value"]
                if text == "nan":
                    raise SystemExit("%s: data cell without value at %s kPa, %s K" % (csv_name, p, t))
                magnitude = float(text)
                if transform:
                    magnitude = transform(magnitude)
                if kind == "liquid":
                    value = -abs(magnitude)
                elif key in negative_data:
                    value = magnitude
                else:
                    if magnitude < 0:
                        raise SystemExit("%s: negative gas cell at %s kPa, %s K" % (csv_name, p, t))
                    value = magnitude
            if key in telling:
                fixed = telling.pop(key)
                if kind == "nodata" or (kind == "liquid") != (fixed < 0 and key not in negative_data):
                    raise SystemExit("%s: fixed cell %s disagrees with the layout" % (csv_name, key))
                value = fixed
            if key in adjusted:
                new, reason = adjusted.pop(key)
                notes.append("%g kPa, %g K: %r instead of %r (%s)" % (p, t, new, value, reason))
                value = new
            if not math.isfinite(value):
                raise SystemExit("%s: non-finite cell at %s" % (csv_name, key))
            row.append(value)
        cells.append(row)
    if telling or adjusted:
        raise SystemExit("%s: fixed cells off the axes: %s" % (csv_name, sorted(telling) + sorted(adjusted)))
    return Table(name, pressures, temperatures, cells, notes, csv_name, all_fixed, all_adjusted)


def to_spec(table, unit_comment):
    """The generator's TableLayout of a checked table: its markers, fixed and adjusted cells.
    The cells the generator builds from it must be the ones checked here."""
    from property_tables.common import TableLayout, build_cells

    kinds = {}
    for p, row in zip(table.pressures, table.cells):
        for t, v in zip(table.temperatures, row):
            kinds[(p, t)] = "nodata" if v < -1e99 else "liquid" if v < 0 else "data"

    def markers(p, t, _marker, _phase):
        return kinds[(float(p), float(t))]

    fixed = dict(table.fixed)
    # A genuinely negative fixed value keeps its sign; the generator stores fixed cells as given.
    layout = TableLayout(table.name, table.csv_name + ".csv", table.pressures, table.temperatures,
                     unit_comment, fixed=fixed, markers=markers, adjusted=table.adjusted)
    built = build_cells(layout)
    expected = [v for row in table.cells for v in row]
    if built != expected:
        bad = [(i, a, b) for i, (a, b) in enumerate(zip(built, expected)) if a != b][:5]
        raise SystemExit("%s: generator cells differ from the checked cells: %s" % (table.name, bad))
    return layout


def check_staircase(table):
    """Cells where a row lacks data that the next higher-pressure row has (the column skip
    tests only the higher-pressure row, so these are corners it misses). Every row must end
    in data."""
    misses = []
    for i, row in enumerate(table.cells):
        if row[-1] < -1e99:
            raise SystemExit("%s: row %g has no data in its last column" % (table.name, table.pressures[i]))
        if i + 1 < len(table.cells):
            for j, v in enumerate(row):
                if v < -1e99 and table.cells[i + 1][j] >= -1e99:
                    misses.append((table.pressures[i], table.temperatures[j]))
    return misses


def require_no_skip_misses(tables):
    """The tables whose every no-data corner the column skip must find."""
    for table in tables:
        if check_staircase(table):
            raise SystemExit("%s: no-data cells break the staircase" % table.name)
    return tables


def to_specs(tables, units):
    return [to_spec(t, units[t.name]) for t in tables]


def round_significant(x, digits):
    if x == 0:
        return 0.0
    return float("%.*g" % (digits, x))
