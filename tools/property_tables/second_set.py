"""Cell building shared by the second set of gas tables (oxygen, argon, air, methane).

A table is filled from its reference CSV on the axes given here; the marker layout (liquid
cells stored negative, no-data cells stored as -2e99) and the fixed cells are applied on top,
and every decision is checked against the CSV's own marker column so that a layout typo
fails the generator instead of slipping into the program.
"""

import csv
import math
import os

NO_DATA = -2e99

DATA_DIR = os.environ.get("TUBALYX_PROPERTY_DATA", "/work/shared/property-data")


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

    def __init__(self, name, pressures, temperatures, cells, notes):
        self.name = name
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
    return Table(name, pressures, temperatures, cells, notes)


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


def round_significant(x, digits):
    if x == 0:
        return 0.0
    return float("%.*g" % (digits, x))


def cpp_number(x):
    if x == NO_DATA:
        return "kNoData"
    text = repr(float(x))
    return text[:-2] if text.endswith(".0") else text


def _cpp_array(name, size, values, per_line):
    lines = ["const double %s[%s] = {" % (name, size)]
    for k in range(0, len(values), per_line):
        lines.append("    " + ", ".join(cpp_number(v) for v in values[k:k + per_line]) + ",")
    lines.append("};")
    return lines


def cpp_header(generator_name, medium, tables):
    """Text of one medium's data header: sizes and the constant arrays of each table."""
    out = ["#pragma once",
           "// Constant %s tables, generated into %s_data.cpp by %s." % (medium, medium, generator_name),
           "// Values[(i * Columns) + j] is the cell at Pressures[i], Temperatures[j]; liquid cells",
           "// are negative, cells without data -2e99.", "", "namespace tubalyx {", ""]
    for t in tables:
        out.append("constexpr int k%sRows = %d;" % (t.name, len(t.pressures)))
        out.append("constexpr int k%sColumns = %d;" % (t.name, len(t.temperatures)))
        out.append("extern const double k%sPressures[k%sRows];  // kPa" % (t.name, t.name))
        out.append("extern const double k%sTemperatures[k%sColumns];  // K" % (t.name, t.name))
        out.append("extern const double k%sValues[k%sRows * k%sColumns];" % (t.name, t.name, t.name))
        out.append("")
    out.append("}  // namespace tubalyx")
    return "\n".join(out) + "\n"


def cpp_source(generator_name, header, title, tables, extra_notes=()):
    """Text of one medium's data file: for each table its axes and cells."""
    out = ["// Generated by %s; do not edit." % generator_name,
           "// %s: reference data on the axes below, with the marker layout (liquid cells" % title,
           "// negative, -2e99 for no data) and the fixed cells applied."]
    notes = [(t.name, n) for t in tables for n in t.notes] + list(extra_notes)
    if notes:
        out.append("// Cells adjusted from the reference data:")
        for name, note in notes:
            out.append("//   %s %s" % (name, note))
    out += ['#include "property_tables/%s"' % header, "", "namespace tubalyx {", "namespace {", "",
            "constexpr double kNoData = -2e99;", "", "}  // namespace", ""]
    for t in tables:
        out += _cpp_array("k%sPressures" % t.name, "k%sRows" % t.name, t.pressures, 12)
        out += _cpp_array("k%sTemperatures" % t.name, "k%sColumns" % t.name, t.temperatures, 12)
        out.append("// [pressure][temperature], one pressure row per line")
        out.append("const double k%sValues[k%sRows * k%sColumns] = {" % (t.name, t.name, t.name))
        for p, row in zip(t.pressures, t.cells):
            out.append("    " + ", ".join(cpp_number(v) for v in row) + ",  // %g kPa" % p)
        out.append("};")
        out.append("")
    out += ["}  // namespace tubalyx"]
    return "\n".join(out) + "\n"
