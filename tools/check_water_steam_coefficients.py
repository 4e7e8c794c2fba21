#!/usr/bin/env python3
"""Compares the water and steam constants held in src/media/ with the published tables of the
1967 IFC industrial formulation (sub-regions 1 and 2, saturation line K, boundary line L) and
of the 1975 viscosity formulation, digit by digit.

- A constant the code holds as published is compared as a decimal literal: its value must equal
  the published decimal exactly (1e9 equals 1000000000.0, 2.074838328e-7 equals
  2.074838328e-07; nothing is rounded).
- A constant the code derives from published ones (a reciprocal, a product, the line L held by
  its values at two temperatures) is worked out exactly in decimal and must equal the code's
  literal when rounded to the last digit that literal prints.
- The layout the equations index by (group sizes, table lengths and offsets) must fit the
  published groups, so that no coefficient lands in the wrong term.

The C++ sources are read as text; nothing is compiled or run.

Usage: tools/check_water_steam_coefficients.py [path/to/ifc67-water-steam.json]
Exits 0 when every constant matches, 1 on a difference, 77 (skipped) where the reference data
are not at hand.
"""
import decimal
import json
import os
import re
import sys
from decimal import Decimal

SKIPPED = 77
HERE = os.path.dirname(os.path.abspath(__file__))
TOP = os.path.normpath(os.path.join(HERE, ".."))
MEDIA = os.path.join(TOP, "src", "media")
DEFAULT_DATA = os.path.join(TOP, "..", "shared", "reference-data", "ifc67-water-steam.json")

# The derivations need far more digits than any literal prints.
decimal.getcontext().prec = 60

NUMBER = re.compile(r"(?<![\w.])[-+]?(?:\d+\.\d*|\.\d+|\d+)(?:[eE][-+]?\d+)?(?![\w.])")


def source(name):
    """The file's text with its line comments removed (they carry numbers of their own)."""
    with open(os.path.join(MEDIA, name), encoding="utf-8") as f:
        return re.sub(r"//[^\n]*", "", f.read())


def initialiser(text, name):
    """The literals between the braces of `name = { ... }` (nested braces flattened)."""
    m = re.search(r"\b%s\s*(?:\[[^\]]*\])?\s*=\s*\{" % re.escape(name), text)
    if not m:
        raise LookupError("no initialiser of %s" % name)
    depth, i = 1, m.end()
    while depth:
        if i >= len(text):
            raise LookupError("unclosed initialiser of %s" % name)
        depth += {"{": 1, "}": -1}.get(text[i], 0)
        i += 1
    return NUMBER.findall(text[m.end():i - 1])


def scalar(text, name):
    """The literal factors of `constexpr ... name = a;` or `= a * b;`."""
    m = re.search(r"\b%s\s*=\s*([^;{]+);" % re.escape(name), text)
    if not m:
        raise LookupError("no definition of %s" % name)
    factors = [f.strip() for f in m.group(1).split("*")]
    if not all(NUMBER.fullmatch(f) for f in factors):
        raise LookupError("%s is not a literal or a product of literals: %s" % (name, m.group(1)))
    return factors


def scalar_sum(text, name):
    """The terms of `name = a + b + ...;` (a count written as its parts)."""
    m = re.search(r"\b%s\s*=\s*([^;]+);" % re.escape(name), text)
    if not m:
        raise LookupError("no definition of %s" % name)
    return [t.strip() for t in m.group(1).split("+")]


def product(literals):
    value = Decimal(1)
    for lit in literals:
        value *= Decimal(lit)
    return value


class Check:
    def __init__(self):
        self.failures = []
        self.counts = {}
        self.table = None

    def start(self, table):
        self.table = table
        self.counts.setdefault(table, [0, 0, 0])  # literal, derived, layout

    def _record(self, kind, ok, what):
        self.counts[self.table][kind] += 1
        if not ok:
            self.failures.append("%s: %s" % (self.table, what))

    def literal(self, name, code, published):
        """A literal as published: exact decimal equality."""
        self._record(0, Decimal(code) == published,
                     "%s is %s in the code, published %s" % (name, code, published))

    def literals(self, name, codes, published):
        if len(codes) != len(published):
            self._record(2, False, "%s holds %d values, published %d" %
                         (name, len(codes), len(published)))
        for i, (code, pub) in enumerate(zip(codes, published)):
            self.literal("%s[%d]" % (name, i), code, pub)

    def derived(self, name, code, exact, how):
        """A literal derived from published constants, correct to the last digit it prints."""
        lit = Decimal(code)
        rounded = exact.quantize(Decimal(1).scaleb(lit.as_tuple().exponent))
        self._record(1, rounded == lit, "%s is %s in the code; %s = %s, so %s to the digits shown" %
                     (name, code, how, exact, rounded))

    def exact_product(self, name, factors, exact, how):
        """A product of literals the compiler forms: must equal the published product exactly."""
        value = product(factors)
        self._record(1, value == exact, "%s is %s = %s in the code; %s = %s" %
                     (name, " * ".join(factors), value, how, exact))

    def layout(self, what, code, expected):
        self._record(2, code == expected, "%s is %s in the code, the published groups need %s" %
                     (what, code, expected))


def published_data(path):
    with open(path, encoding="utf-8") as f:
        return json.load(f, parse_float=Decimal, parse_int=Decimal)


def check_reduction(ck, d, steam_h):
    ck.start("reduction constants")
    crit = d["critical"]
    ck.literal("kWaterCriticalTemperatureK", scalar(steam_h, "kWaterCriticalTemperatureK")[0], crit["TC"])
    ck.literal("kWaterCriticalPressurePa", scalar(steam_h, "kWaterCriticalPressurePa")[0], crit["PC"])
    ck.literal("kWaterCriticalVolume", scalar(steam_h, "kWaterCriticalVolume")[0], crit["VC"])
    ck.derived("kReducedVolumeToDensity", scalar(steam_h, "kReducedVolumeToDensity")[0],
               1 / crit["VC"], "1/v_c")
    ck.exact_product("kReducedEnergyScale", scalar(steam_h, "kReducedEnergyScale"),
                     crit["PC"] * crit["VC"], "p_c v_c")


def check_sub_region_2(ck, d, steam_h, steam_cpp):
    ck.start("sub-region 2")
    r2 = d["sub_region_2"]
    ck.literal("kSteamI1", scalar(steam_h, "kSteamI1")[0], r2["I1"])
    ck.literal("kSteamB", scalar(steam_h, "kSteamB")[0], r2["B"])

    poly = [r2["polynomial_groups"][str(mu)] for mu in range(1, 6)]
    rational = [r2["rational_groups"][str(mu)] for mu in range(6, 9)]
    groups = poly + [g["numerator"] for g in rational]
    denominators = [g["denominator"] for g in rational]
    B = [term["B"] for g in groups for term in g]
    z = [term["z"] for g in groups for term in g]
    x = [term["x"] for g in denominators for term in g]
    b = [term["b"] for g in denominators for term in g]
    parts = [("B00..B05", r2["B0_to_B05"]), ("B11..B82", B), ("B90..B96", r2["B9_l0_to_l6"]),
             ("z of B11..B82", z), ("x of b61..b82", x), ("b", [r2["B"]]), ("b61..b82", b)]

    codes = initialiser(steam_cpp, "SteamCoefficients")
    expected = [v for _, part in parts for v in part]
    ck.layout("the length of SteamCoefficients", len(codes), len(expected))
    ck.layout("kSteamCoefficientCount", sum(int(v) for v in scalar_sum(steam_h, "kSteamCoefficientCount")),
              len(expected))
    at = 0
    offsets = {}
    for label, part in parts:
        offsets[label] = at
        ck.literals("SteamCoefficients " + label, codes[at:at + len(part)], part)
        at += len(part)

    for name, label in (("kB0", "B00..B05"), ("kB", "B11..B82"), ("kB9", "B90..B96"),
                        ("kZ", "z of B11..B82"), ("kX", "x of b61..b82"),
                        ("kDenominator", "b61..b82")):
        ck.layout("the offset " + name, int(scalar(steam_cpp, name)[0]), offsets[label])
    ck.layout("kGroupTerms", [int(v) for v in initialiser(steam_cpp, "kGroupTerms")],
              [len(g) for g in groups])
    ck.layout("kDenominatorTerms", [int(v) for v in initialiser(steam_cpp, "kDenominatorTerms")],
              [len(g) for g in denominators])


def boundary_theta(d, t_celsius):
    return (Decimal(t_celsius) + Decimal("273.15")) / d["critical"]["TC"]


def check_boundary_line(ck, d, steam_cpp, water_cpp):
    # The code holds L as the quadratic through its values at 350 and 590 degC:
    # theta_a, theta_b, beta_L(theta_a), beta_L(theta_b) and the curvature L2 (theta_b - theta_a).
    ck.start("boundary line L")
    L = d["boundary_line_L"]
    line = lambda th: L["L0"] + L["L1"] * th + L["L2"] * th * th
    ta, tb = boundary_theta(d, 350), boundary_theta(d, 590)
    codes = initialiser(steam_cpp, "SteamBoundaryLineCoefficients")
    ck.layout("the length of SteamBoundaryLineCoefficients", len(codes), 5)
    for i, (exact, how) in enumerate((
            (ta, "(350 + 273.15)/T_c"),
            (tb, "(590 + 273.15)/T_c"),
            (line(ta), "L0 + L1 theta + L2 theta^2 at 350 degC"),
            (line(tb), "L0 + L1 theta + L2 theta^2 at 590 degC"),
            (L["L2"] * (tb - ta), "L2 (theta_b - theta_a)"))):
        if i < len(codes):
            ck.derived("SteamBoundaryLineCoefficients[%d]" % i, codes[i], exact, how)


def check_sub_region_1(ck, d, water_cpp):
    ck.start("sub-region 1")
    r1 = d["sub_region_1"]
    codes = initialiser(water_cpp, "WaterCoefficients")
    expected = r1["A0_to_A22"] + r1["a1_to_a12"]
    ck.layout("the length of WaterCoefficients", len(codes), len(expected))
    ck.literals("WaterCoefficients A0..A22", codes[:23], r1["A0_to_A22"])
    ck.literals("WaterCoefficients a1..a12", codes[23:], r1["a1_to_a12"])


def check_saturation_line(ck, d, water_cpp):
    ck.start("saturation line K")
    ck.literals("WaterSaturationLineCoefficients k1..k9",
                initialiser(water_cpp, "WaterSaturationLineCoefficients"),
                d["saturation_line_K"]["k1_to_k9"])


def check_viscosity(ck, d, visc_cpp):
    ck.start("viscosity 1975")
    v = d["viscosity_1975"]
    ck.literal("kReferenceTemperatureK", scalar(visc_cpp, "kReferenceTemperatureK")[0], v["T_star_K"])
    ck.derived("kReferenceVolume", scalar(visc_cpp, "kReferenceVolume")[0], 1 / v["rho_star_kg_m3"],
               "1/rho*")
    ck.literals("WaterViscosityDiluteCoefficients H0..H3",
                initialiser(visc_cpp, "WaterViscosityDiluteCoefficients"), v["H0_to_H3"])
    rows = v["H_ij_i0_to_i5_j0_to_j4"]
    ck.literals("WaterViscosityResidualCoefficients H_ij (row by row)",
                initialiser(visc_cpp, "WaterViscosityResidualCoefficients"),
                [h for row in rows for h in row])


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_DATA
    if not os.path.isfile(path):
        print("water/steam coefficients: no reference data at %s; skipped" % path)
        return SKIPPED
    d = published_data(path)
    steam_h, steam_cpp = source("steam_equations.h"), source("steam_equations.cpp")
    water_cpp, visc_cpp = source("water_equations.cpp"), source("water_viscosity.cpp")

    ck = Check()
    try:
        check_reduction(ck, d, steam_h)
        check_sub_region_2(ck, d, steam_h, steam_cpp)
        check_boundary_line(ck, d, steam_cpp, water_cpp)
        check_saturation_line(ck, d, water_cpp)
        check_sub_region_1(ck, d, water_cpp)
        check_viscosity(ck, d, visc_cpp)
    except LookupError as e:
        # A renamed or rewritten definition must not pass unnoticed.
        print("water/steam coefficients: cannot read the sources: %s" % e)
        return 1

    for table, (lit, der, lay) in ck.counts.items():
        print("%-20s %3d as published, %2d derived, %2d layout" % (table, lit, der, lay))
    for f in ck.failures:
        print("DIFFERS " + f)
    if ck.failures:
        print("water/steam coefficients: %d differ" % len(ck.failures))
        return 1
    print("water/steam coefficients: all match the published tables")
    return 0


if __name__ == "__main__":
    sys.exit(main())
