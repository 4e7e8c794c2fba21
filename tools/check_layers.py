#!/usr/bin/env python3
"""The layers of src/, checked from the include lines (run by ctest as "layers").

Folders point only down:
    numerics <- state <- property_tables <- media <- flow <- pressure_loss
             <- reports (with reports/uncertainty) <- codegen <- ui <- qtview <- app
texts/ stands beside the calculations: it reads the state and a medium's identity (and the
language switch re-describes the resistance grid's fittings), and the
reports and the window use it, never the calculations. forms/ is the headless form library:
it includes nothing of the program but its own text helpers. Qt is included only in
src/qtview/, app/, tests/qtview/ and bench/qtview/.

The calculations (property_tables, media, flow, pressure_loss) reach the main window only
through ui/calculation_window.h, and that header names exactly the controls and routines
listed in CALCULATION_WINDOW below: a new window access of a calculation is a change of
this list, made on purpose.

Usage: check_layers.py [repository root]. Prints each offence and exits 1 when there is one.
"""
import os
import re
import sys

ORDER = ["numerics", "state", "property_tables", "media", "flow", "pressure_loss", "reports",
         "codegen", "ui", "qtview", "app"]
CALCULATIONS = {"property_tables", "media", "flow", "pressure_loss"}

# What the calculations may use of the main window.
CALCULATION_WINDOW_HEADER = "ui/calculation_window.h"
CALCULATION_WINDOW = {
    # Controls (members of CalculationControls).
    "ViktVolprocGrid", "ViktVolprocgridfukt",           # composition grids
    "abstryckantal", "abstryckmaxantal", "abstrycksort",  # static pressure of a liquefied gas
    "rbg",                                               # typed oil density
    "maxflowsort", "maxflownormaldens",                  # flow unit, reference density
    "dstorkallsort", "Dstorkallmm", "dkallmm", "hkallmm",  # cold dimensions
    "difftryckmaxantal", "difftryckmaxsort",             # design dp
    "PaintBox1",                                         # flow graph
    "RichEdit1",                                         # report lines of the oil recipe
    "Motstandgrid",                                      # resistance grid of the fittings
    "fltext", "Ventildiamtext",                          # valve prompts the valve page shows
    # Routines.
    "CalculationWindow", "MediumMenuItem", "SumMixtureColumns", "CaptionFittingMenu",
    "ShowStandardDensityPrompt", "ResistanceMenuCaption", "ValveKvPromptText", "WindowFontSize",
}
# The window model that the window-writing modules (texts, reports) use: the controls, not
# the handlers.
WINDOW_MODEL = {"ui/form1.h", "ui/form1_components.h", CALCULATION_WINDOW_HEADER}
FORMS_TEXT_HELPERS = {"numerics/text_utils.h"}
# The language switch re-describes the fittings of the resistance grid in the new language.
TEXTS_FITTING_REFRESH = {"pressure_loss/resistance_grid_input.h"}
# ... and writes the uncertainty grid's row captions in it.
TEXTS_UNCERTAINTY_CAPTIONS = {"reports/uncertainty/uncertainty_grid.h"}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]', re.M)
QT_HEADER = re.compile(r"^Q[A-Za-z]*(/|$)")


def folder_of(path):
    """The layer folder of a file under src/ or app/ ("reports/uncertainty" counts as reports)."""
    parts = path.split("/")
    return "app" if parts[0] == "app" else parts[1]


def allowed(folder, target):
    """Whether a file of `folder` may include the program header `target` ("flow/x.h")."""
    top = target.split("/")[0]
    if folder == "forms":
        return top == "forms" or target in FORMS_TEXT_HELPERS
    if folder == "texts":
        return (top in {"numerics", "state", "media", "forms", "texts"} or target in WINDOW_MODEL
                or target in TEXTS_FITTING_REFRESH or target in TEXTS_UNCERTAINTY_CAPTIONS)
    if top == "texts":
        return ORDER.index(folder) >= ORDER.index("reports")
    if top == "forms":
        return ORDER.index(folder) >= ORDER.index("reports")
    if top not in ORDER:
        return False
    if top == "ui" and folder in CALCULATIONS:
        return target == CALCULATION_WINDOW_HEADER
    if top == "ui" and folder in {"reports", "codegen"}:
        return target in WINDOW_MODEL
    return ORDER.index(top) <= ORDER.index(folder)


def source_files(root, top):
    for base, _, names in os.walk(os.path.join(root, top)):
        for name in sorted(names):
            if name.endswith((".h", ".cpp")):
                yield os.path.relpath(os.path.join(base, name), root)


def window_names(root):
    """The member and routine names that ui/calculation_window.h declares."""
    text = open(os.path.join(root, "src", CALCULATION_WINDOW_HEADER), encoding="utf-8").read()
    text = re.sub(r"//[^\n]*", "", text)
    names = set(re.findall(r"\b(?:[A-Z]\w*&|ShownEdit)\s+(\w+)\s*;", text))
    names |= set(re.findall(r"\b(\w+)\s*\([^;{]*\)\s*;", text))
    return names


def offences(root):
    found = []
    for top in ("src", "app", "tests", "bench"):
        for path in source_files(root, top):
            text = open(os.path.join(root, path), encoding="utf-8").read()
            qt_allowed = path.startswith(("src/qtview/", "app/", "tests/qtview/", "bench/qtview/"))
            for kind, target in INCLUDE.findall(text):
                if kind == "<" and QT_HEADER.match(target) and not qt_allowed:
                    found.append(f"{path}: includes Qt <{target}> outside src/qtview/ and app/")
                if kind == '"' and top in ("src", "app") and not allowed(folder_of(path), target):
                    found.append(f"{path}: {folder_of(path)}/ may not include \"{target}\"")
    declared = window_names(root)
    for name in sorted(declared - CALCULATION_WINDOW):
        found.append(f"src/{CALCULATION_WINDOW_HEADER}: {name} is not a listed window access")
    for name in sorted(CALCULATION_WINDOW - declared):
        found.append(f"src/{CALCULATION_WINDOW_HEADER}: listed window access {name} is not declared")
    return found


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    found = offences(os.path.abspath(root))
    for line in found:
        print(line)
    if found:
        print(f"{len(found)} layer offence(s)")
        return 1
    print("layers: no offence")
    return 0


if __name__ == "__main__":
    sys.exit(main())
