"""Saturation tables of the liquefied gases (argon, oxygen, nitrogen with both sides of the
line; hydrogen, carbon dioxide and ozone with the liquid side).

Values are rounded to the precision of such tables (pressures and volumes to 4 significant
digits, enthalpies to 0.1 kJ/kg, densities to 0.1 kg/m3, liquid viscosities to 2 significant
digits, or to 0.00001 Pa s for hydrogen and carbon dioxide); the fixed rows keep their given
values. After the fixed rows are set, every column is checked to run monotonically with
temperature; a rounded neighbour of a fixed row that would break it is set equal to the fixed
value and listed in the notes.
"""

import csv
import os

from property_tables.second_set import DATA_DIR, round_significant

NO_VISCOSITY = -1e99


def _read(csv_name):
    with open(os.path.join(DATA_DIR, csv_name + ".csv"), newline="") as handle:
        return list(csv.DictReader(handle))


def _axis(first, second, last_whole, inserted, last):
    axis = [first, second] + [float(t) for t in range(int(second) + 1, last_whole + 1)]
    axis.append(inserted)
    axis.sort()
    return axis + [last]


class SaturationTable:
    def __init__(self, name, columns, rows, notes):
        self.name = name
        self.columns = columns   # column names, first is the temperature
        self.rows = rows         # list of value lists
        self.notes = notes

    def column(self, name):
        k = self.columns.index(name)
        return [row[k] for row in self.rows]


# Direction of each column with rising temperature: +1 rising, -1 falling, 0 not checked.
_DIRECTION = {"p": 1, "v_vap": -1, "v_liq": 1, "h_vap": 0, "h_liq": 1, "mu": -1, "rho": -1}


_DIGITS = {"p": lambda x: round_significant(x, 4), "v_vap": lambda x: round_significant(x, 4),
           "v_liq": lambda x: round_significant(x, 4), "h_vap": lambda x: round(x, 1),
           "h_liq": lambda x: round(x, 1), "mu": lambda x: round_significant(x, 2)}
_LIQUID_DIGITS = {"p": lambda x: round_significant(x, 4), "rho": lambda x: round(x, 1),
                  "mu": lambda x: round(x, 5)}


def _monotone(values, direction):
    values = [v for v in values if v != NO_VISCOSITY]
    return all((b - a) * direction >= 0 for a, b in zip(values, values[1:]))


def _enforce_monotone(name, columns, rows, fixed_rows, offsets, notes, digits):
    """Blend each fixed row into its neighbours where the column would otherwise turn back:
    the difference between the fixed value and the reference value fades linearly to zero over
    the fewest rows on each side that make the column monotone again."""
    for k, column in enumerate(columns[1:], start=1):
        direction = _DIRECTION[column]
        if direction == 0:
            continue
        for f in sorted(fixed_rows):
            offset = offsets.get((f, k), 0.0)
            for side in (-1, 1):
                window = []
                i = f + side
                while 0 <= i < len(rows) and i not in fixed_rows and len(window) < 12:
                    window.append(i)
                    i += side
                original = [rows[i][k] for i in window]
                for n in range(len(window) + 1):
                    trial = list(original)
                    for d in range(n):
                        if trial[d] != NO_VISCOSITY:
                            trial[d] = digits[column](trial[d] + offset * (1 - (d + 1) / (n + 1)))
                    ordered = [rows[f][k]] + trial if side == 1 else list(reversed(trial)) + [rows[f][k]]
                    if _monotone(ordered, direction):
                        break
                else:
                    raise SystemExit("%s: %s cannot be made monotone beside %g K"
                                     % (name, column, rows[f][0]))
                for i, old, new in zip(window, original, trial):
                    if new != old:
                        notes.append("%g K, %s: %r instead of %r (blends into the given row at %g K)"
                                     % (rows[i][0], column, new, old, rows[f][0]))
                        rows[i][k] = new
        if not _monotone([row[k] for row in rows], direction):
            raise SystemExit("%s: %s not monotone" % (name, column))


def _two_sided(name, csv_name, axis, viscosity_range, fixed):
    """fixed: {T: (p_bar, v_vap, v_liq, h_vap, h_liq, mu or None)}"""
    data = {float(r["temperature_K"]): r for r in _read(csv_name)}
    columns = ["T", "p", "v_vap", "v_liq", "h_vap", "h_liq", "mu"]
    rows, fixed_rows, offsets, notes = [], set(), {}, []
    lo, hi = viscosity_range
    for i, t in enumerate(axis):
        r = data[t]
        row = [t, round_significant(float(r["p_bar"]), 4),
               round_significant(float(r["v_vap_dm3_per_kg"]), 4),
               round_significant(float(r["v_liq_dm3_per_kg"]), 4),
               round(float(r["h_vap_kJ_per_kg"]), 1), round(float(r["h_liq_kJ_per_kg"]), 1),
               round_significant(float(r["mu_liq_Pa_s"]), 2) if lo <= t <= hi else NO_VISCOSITY]
        if (r["viscosity_row"] == "yes") != (lo <= t <= hi):
            raise SystemExit("%s: viscosity rows disagree at %g K" % (name, t))
        if t in fixed:
            given = list(fixed.pop(t))
            if given[5] is None:
                given[5] = NO_VISCOSITY
            for k in range(1, len(columns)):
                if row[k] != NO_VISCOSITY and given[k - 1] != NO_VISCOSITY:
                    offsets[(i, k)] = given[k - 1] - row[k]
            row = [t] + given
            fixed_rows.add(i)
        rows.append(row)
    if fixed:
        raise SystemExit("%s: fixed rows off the axis: %s" % (name, sorted(fixed)))
    _enforce_monotone(name, columns, rows, fixed_rows, offsets, notes, _DIGITS)
    for row in rows[:-1]:
        if not (row[2] > row[3] > 0 and row[4] > row[5]):
            raise SystemExit("%s: vapour and liquid columns cross at %g K" % (name, row[0]))
    last = rows[-1]
    if last[2] != last[3] or last[4] != last[5]:
        raise SystemExit("%s: the critical row must have equal columns" % name)
    return SaturationTable(name, columns, rows, notes)


def argon():
    axis = _axis(83.78, 84.0, 150, 87.29, 150.86)
    fixed = {83.78: (0.6876, 246.9, 0.7067, 42.2, -121.5, None),
             87.29: (1.013, 173.0, 0.7184, 43.5, -117.7, 0.00025),
             150.86: (48.98, 1.867, 1.867, -2.4, -2.4, None)}
    return _two_sided("ArgonSaturation", "ArgonSaturationStateT", axis, (85, 145), fixed)


def oxygen():
    axis = _axis(54.35, 55.0, 154, 90.18, 154.77)
    fixed = {54.35: (0.0015, 93979, 0.7762, 48.9, -189.8, None),
             90.18: (1.013, 223.2, 0.8811, 78.9, -134.2, 0.00019),
             154.77: (50.87, 2.46, 2.46, 38.3, 38.3, None)}
    return _two_sided("OxygenSaturation", "OxygenSaturationStateT", axis, (60, 150), fixed)


def nitrogen():
    axis = _axis(63.15, 64.0, 126, 77.35, 126.25)
    fixed = {63.15: (0.1253, 1477, 1.152, 64.1, -150.8, None),
             77.35: (1.013, 216.9, 1.238, 76.8, -121.8, 0.00017),
             126.25: (33.96, 3.388, 3.388, 34.7, 34.7, None)}
    return _two_sided("NitrogenSaturation", "NitrogenSaturationStateT", axis, (65, 120), fixed)


def _liquid_only(name, csv_name, axis, with_viscosity, fixed):
    """fixed: {T: (p_kPa, rho, mu)}"""
    data = {float(r["temperature_K"]): r for r in _read(csv_name)}
    columns = ["T", "p", "rho"] + (["mu"] if with_viscosity else [])
    rows, fixed_rows, offsets, notes = [], set(), {}, []
    for i, t in enumerate(axis):
        r = data[float(t)]
        row = [float(t), round_significant(float(r["p_table_kPa"]), 4),
               round(float(r["rho_liq_kg_per_m3"]), 1)]
        if with_viscosity:
            row.append(round(float(r["mu_liq_Pa_s"]), 5))
        if float(t) in fixed:
            given = list(fixed.pop(float(t)))[:len(columns) - 1]
            for k in range(1, len(columns)):
                offsets[(i, k)] = given[k - 1] - row[k]
            row = [float(t)] + given
            fixed_rows.add(i)
        rows.append(row)
    if fixed:
        raise SystemExit("%s: fixed rows off the axis: %s" % (name, sorted(fixed)))
    _enforce_monotone(name, columns, rows, fixed_rows, offsets, notes, _LIQUID_DIGITS)
    for row in rows:
        if not all(v > 0 for v in row):
            raise SystemExit("%s: non-positive value at %g K" % (name, row[0]))
    return SaturationTable(name, columns, rows, notes)


def hydrogen():
    fixed = {14.0: (101, 78.8, 0.00003), 21.0: (122, 69.6, 0.00001), 32.0: (1090, 43.4, 0.00001)}
    return _liquid_only("HydrogenSaturation", "HydrogenSaturationStateT", range(14, 33), True, fixed)


def carbon_dioxide():
    fixed = {220.0: (600, 1153.9, 0.00024), 260.0: (2418, 992.5, 0.00013),
             300.0: (6717, 684.7, 0.00006)}
    return _liquid_only("CarbonDioxideSaturation", "CarbonDioxideSaturationStateT",
                        range(220, 301, 5), True, fixed)


def ozone():
    fixed = {100.0: (101, 1541.9), 170.0: (168, 1297.5), 250.0: (4200, 839.9)}
    return _liquid_only("OzoneSaturation", "OzoneSaturationStateT", range(100, 251, 10), False, fixed)


def tables():
    return [argon(), oxygen(), nitrogen(), hydrogen(), carbon_dioxide(), ozone()]


def _number(x):
    if x == NO_VISCOSITY:
        return "kNoSaturationViscosity"
    text = repr(float(x))
    return text[:-2] if text.endswith(".0") else text


_CPP_NAMES = {"ArgonSaturation": "kArgonSaturation", "OxygenSaturation": "kOxygenSaturation",
              "NitrogenSaturation": "kNitrogenSaturation", "HydrogenSaturation": "kHydrogenSaturation",
              "CarbonDioxideSaturation": "kCarbonDioxideSaturation",
              "OzoneSaturation": "kOzoneSaturation"}


def cpp_source(generator_name):
    """Text of src/property_tables/saturation_data.cpp."""
    out = ["// Generated by %s; do not edit." % generator_name,
           "// Saturation tables of the liquefied gases: reference saturation data on the rows",
           "// below, with the fixed rows as given. Cells moved from the reference data so that",
           "// the columns stay monotone beside the fixed rows:"]
    tabs = tables()
    for table in tabs:
        for note in table.notes:
            out.append("//   %s %s" % (table.name, note))
    out += ['#include "property_tables/saturation_data.h"', "", "namespace tubalyx {", ""]
    for table in tabs:
        name = _CPP_NAMES[table.name]
        kind = "TwoSidedSaturationRow" if "v_vap" in table.columns else "LiquidSaturationRow"
        out.append("// %s" % ", ".join(table.columns))
        out.append("const %s %s[%sRows] = {" % (kind, name, name))
        for row in table.rows:
            values = list(row)
            if kind == "LiquidSaturationRow" and len(values) == 3:
                values.append(0.0)
            out.append("    {%s}," % ", ".join(_number(v) for v in values))
        out.append("};")
        out.append("")
    out.append("}  // namespace tubalyx")
    return "\n".join(out) + "\n"


def emit(out_dir, generator):
    """Writes saturation_data.cpp (its header is written by hand) and returns its name."""
    import os
    with open(os.path.join(out_dir, "saturation_data.cpp"), "w") as handle:
        handle.write(cpp_source(generator))
    return "saturation_data.cpp"
