"""Shared machinery of the property-table generator.

A medium module describes its tables with TableLayout objects; this module reads the
reference CSV of each table, lays the cells out on the table's own axes with the
liquid and no-data markers, puts the fixed cells in place and writes the C++ data
source and header.
"""
import csv
import os

# The reference property data stand beside the repository, in shared/property-data.
DATA_DIR = os.environ.get(
    "TUBALYX_PROPERTY_DATA",
    os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "shared", "property-data"))
NO_DATA = -2e99
LIQUID_PHASES = ("liquid", "supercritical_liquid")


class TableLayout:
    """One table: its C++ name, the reference file and everything the table itself fixes.

    pressures, temperatures: the axes in the table's units (the file's pressure unit).
    csv_temperatures: the file's temperature for each axis point (K), when the axis
        itself is kept in another unit.
    fixed: {(pressure, temperature): value} cells whose value (and sign) is fixed.
    markers: optional function (p, T, csv_marker, phase) -> 'liquid' | 'nodata' |
        'data' overriding the file's marker columns.
    value_fn: optional function (p, T, value) -> magnitude, for a unit change.
    adjusted: {(p, T): (value, reason)} cells moved off the reference data.
    replaced: {(p, T): (value, reason)} cells that take the reference value in place of
        a value of the table set's own that is plainly wrong; each is recorded in the
        generated source with both values and the reason.
    """

    def __init__(self, name, csv_file, pressures, temperatures, unit_comment,
                 fixed=None, markers=None, csv_temperatures=None, value_fn=None,
                 adjusted=None, digits=6, pressure_unit="kPa", temperature_unit="K", replaced=None):
        self.name = name
        self.csv_file = csv_file
        self.pressures = list(pressures)
        self.temperatures = list(temperatures)
        self.csv_temperatures = list(csv_temperatures) if csv_temperatures else list(temperatures)
        self.unit_comment = unit_comment
        self.fixed = dict(fixed or {})
        self.markers = markers
        self.value_fn = value_fn
        self.adjusted = dict(adjusted or {})
        self.replaced = dict(replaced or {})
        self.digits = digits
        self.pressure_unit = pressure_unit
        self.temperature_unit = temperature_unit


def frange(start, stop, step):
    out = []
    k = 0
    while True:
        v = round(start + k * step, 6)
        if v > stop + 1e-9:
            return out
        out.append(v)
        k += 1


def _key(x):
    return round(float(x), 4)


def read_reference(csv_file):
    """{(pressure, temperature_K): (value, phase, spec_marker)} of one reference file."""
    path = os.path.join(DATA_DIR, csv_file)
    cells = {}
    with open(path, newline="", encoding="utf-8") as f:
        for row in csv.DictReader(f):
            pcol = "pressure_kPa" if "pressure_kPa" in row else "pressure_bar"
            value = float(row["value"]) if row["value"] not in ("", None) else None
            cells[(_key(row[pcol]), _key(row["temperature_K"]))] = (
                value, row.get("phase", ""), row.get("spec_marker", ""))
    return cells


def round_sig(x, digits):
    if x == 0:
        return 0.0
    return float("%.*g" % (digits, x))


def build_cells(layout):
    """Row-major list of the table's cells, markers and fixed cells applied."""
    ref = read_reference(layout.csv_file)
    fixed = {(_key(p), _key(t)): v for (p, t), v in layout.fixed.items()}
    adjusted = {(_key(p), _key(t)): v for (p, t), (v, _) in layout.adjusted.items()}
    cells = []
    for p in layout.pressures:
        for t, t_csv in zip(layout.temperatures, layout.csv_temperatures):
            k = (_key(p), _key(t))
            if k in fixed:
                cells.append(float(fixed[k]))
                continue
            entry = ref.get((_key(p), _key(t_csv)))
            if entry is None:
                raise SystemExit("%s: no reference value at (%s, %s)" % (layout.name, p, t_csv))
            value, phase, marker = entry
            if layout.markers is not None:
                kind = layout.markers(p, t, marker, phase)
            elif marker in ("liquid", "nodata", "data"):
                kind = marker
            else:
                kind = "liquid" if phase in LIQUID_PHASES else "data"
            if kind == "nodata":
                cells.append(NO_DATA)
                continue
            if k in adjusted:
                magnitude = float(adjusted[k])
            else:
                if value is None:
                    raise SystemExit("%s: empty reference value at (%s, %s)" % (layout.name, p, t_csv))
                magnitude = value
                if layout.value_fn is not None:
                    magnitude = layout.value_fn(p, t, magnitude)
                magnitude = round_sig(magnitude, layout.digits)
            if kind == "liquid":
                magnitude = -abs(magnitude)
            cells.append(magnitude)
    return cells


def _num(x):
    if x == NO_DATA:
        return "kNoData"
    text = repr(float(x))
    return text


def _array(name, values, per_line):
    lines = ["constexpr double %s = {" % name]
    for k in range(0, len(values), per_line):
        lines.append("    " + ", ".join(_num(v) for v in values[k:k + per_line]) + ",")
    lines.append("};")
    return lines


def emit_medium(medium, title, layouts, notes, out_dir, generator):
    """Writes src/property_tables/<medium>_data.h and _data.cpp for the given tables."""
    guard_notes = ["// " + line if line else "//" for line in notes]
    h = ["#pragma once",
         "// Constant %s tables, generated by %s; do not edit by hand." % (title, generator),
         "// Values[(i - 1) * Columns + (j - 1)] is the cell at Pressures[i], Temperatures[j];",
         "// liquid cells are stored negative, cells without data as kNoData (-2e99).",
         "",
         '#include "property_tables/table_engine.h"',
         "",
         "namespace tubalyx {",
         ""]
    c = ["// Generated by %s from the reference property data; do not edit by hand." % generator]
    c += guard_notes
    c += ["", '#include "property_tables/%s_data.h"' % medium, "", "namespace tubalyx {", ""]
    for layout in layouts:
        cells = build_cells(layout)
        n, m = len(layout.pressures), len(layout.temperatures)
        assert len(cells) == n * m
        base = "k" + layout.name
        h += ["// %s" % layout.unit_comment,
              "constexpr int %sRows = %d;" % (base, n),
              "constexpr int %sColumns = %d;" % (base, m),
              "extern const double %sPressures[%sRows];  // %s" % (base, base, layout.pressure_unit),
              "extern const double %sTemperatures[%sColumns];  // %s" % (base, base, layout.temperature_unit),
              "extern const double %sValues[%sRows * %sColumns];" % (base, base, base),
              "extern const TableData %sTable;" % base,
              ""]
        for (p, t), (v, why) in sorted(layout.adjusted.items()):
            c.append("// %s: cell (%s %s, %s %s) set to %r: %s" % (
                layout.name, p, layout.pressure_unit, t, layout.temperature_unit, v, why))
        for (p, t), (v, why) in sorted(layout.replaced.items()):
            reference = cells[layout.pressures.index(p) * m + layout.temperatures.index(t)]
            off = 100.0 * (v - reference) / abs(reference)
            c.append("// %s: cell (%s %s, %s %s) takes the reference value %r in place of %r, %.0f %% %s: %s" % (
                layout.name, p, layout.pressure_unit, t, layout.temperature_unit, reference, v,
                abs(off), "high" if off > 0 else "low", why))
        c += ["extern const double %sPressures[%sRows] = {%s};" % (
            base, base, ", ".join(_num(p) for p in layout.pressures)),
            "extern const double %sTemperatures[%sColumns] = {%s};" % (
            base, base, ", ".join(_num(t) for t in layout.temperatures))]
        arr = _array("%sValues[%sRows * %sColumns]" % (base, base, base), cells, m)
        arr[0] = "extern const double " + arr[0][len("constexpr double "):]
        c += arr
        c += ["extern const TableData %sTable = {%sPressures, %sRows, %sTemperatures, %sColumns, %sValues};"
              % (base, base, base, base, base, base), ""]
    h += ["}  // namespace tubalyx", ""]
    c += ["}  // namespace tubalyx", ""]
    with open(os.path.join(out_dir, "%s_data.h" % medium), "w", encoding="utf-8") as f:
        f.write("\n".join(h))
    with open(os.path.join(out_dir, "%s_data.cpp" % medium), "w", encoding="utf-8") as f:
        f.write("\n".join(c))
