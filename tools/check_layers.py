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
through ui/calculation_window.h, the report writers (reports, reports/uncertainty) only
through ui/report_writer_window.h, the code generator only through ui/code_generator_window.h
and the texts only through ui/texts_window.h. Each of these fenced headers names exactly the
controls and routines its list below gives, includes nothing else of ui/, and no file of its
folders names the whole window (TForm1, Form1()): a new window access of a calculation, a
report, the code generator or the texts is a change of a list, made on purpose.

Usage: check_layers.py [repository root]. Prints each offence and exits 1 when there is one.
"""
import os
import re
import sys

from source_checks import read, repository_root, source_files, verdict

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
# What the report writers may use of the main window.
REPORT_WRITER_WINDOW_HEADER = "ui/report_writer_window.h"
REPORT_WRITER_WINDOW = {
    # The window's font and width; the report window, its copies, the report size and separator.
    "Font", "ClientWidth", "RichEdit1", "RichEdit2", "RichEdit5", "litenstor", "Excel",
    # Units and values as the questionnaire shows them, and prompts that head report lines.
    "abstryckantal", "abstryckmaxantal", "abstrycksort", "temp", "tempmin", "tempsort", "difftryckmaxsort",
    "maxflowsort", "maxflowsortut", "dstorkallsort", "Dstorrahetmm", "givenrakin", "bestyckningtext",
    "fattringtextin", "ABBSiemens",
    # The humidity shares and the composition grids.
    "fuktviktproc", "fuktvolproc", "ViktVolprocGrid", "ViktVolprocgridfukt",
    # The property box of a user's gas or oil.
    "GroupBox1", "densdriftbgtextin", "rbg", "viskbgtextin", "qbg", "qbgsort", "visk40bgtextin", "q40bg",
    "q40bgsort", "visk100bgtextin", "q100bg", "q100bgsort", "cpbgtextin", "cpbg", "cvbgtextin", "cvbg",
    "molekylviktbgtextin", "molekylviktbg", "krittempbgtextin", "krittempbg", "entalpibgtextin", "entalpibg",
    "Z1bgtextin", "Z1bg", "Znbgtextin", "Znbg",
    # The compensation table page.
    "PTKompgrid", "Trycktemplabel", "PTberfeltext", "PTberfel", "PTmaxerror", "PThelp", "PTr0text", "ZLabel",
    "Z0Zn", "fdens_mat", "PTberex", "Pmin", "Pmax", "Tmax", "Matain", "Label2", "BigBlock", "kod",
    # The uncertainty page.
    "Felsimulgrid", "Felsimulgrid2", "Felsimulrubrik", "osrubrik", "bermetoderrtextin", "Felsimulflrubrik",
    "felsimulfl2rubrik", "Run1",
    # The data sheet and the fitting table.
    "vmargbox", "Numberspos", "ADysaLongradius1", "mtrlfl1", "Motstandgrid",
    # Routines.
    "ReportWriterWindow",
}
# What the code generator may use of the main window.
CODE_GENERATOR_WINDOW_HEADER = "ui/code_generator_window.h"
CODE_GENERATOR_WINDOW = {"abstrycksort", "maxflowsort", "PTKompgrid", "RichEdit1", "CodeGeneratorWindow"}
# What the texts may use of the main window: any control by the name a caption table gives.
TEXTS_WINDOW_HEADER = "ui/texts_window.h"
TEXTS_WINDOW = {"FindComponent", "Font", "maxflowsort", "densnormaltext", "ViktVolprocGrid", "Propan1",
                "Propanvtska1", "C3H81", "TextsWindow"}
# Each fenced header: the folders it serves and the names it may declare.
FENCES = {
    CALCULATION_WINDOW_HEADER: (CALCULATIONS, CALCULATION_WINDOW),
    REPORT_WRITER_WINDOW_HEADER: ({"reports"}, REPORT_WRITER_WINDOW),
    CODE_GENERATOR_WINDOW_HEADER: ({"codegen"}, CODE_GENERATOR_WINDOW),
    TEXTS_WINDOW_HEADER: ({"texts"}, TEXTS_WINDOW),
}
FENCED_FOLDERS = {folder: header for header, (folders, _) in FENCES.items() for folder in folders}
# The name of the whole window, which a fenced folder never writes (it would be a way around
# its header).
WHOLE_WINDOW = re.compile(r"\bTForm1\b|\bForm1\s*\(")
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
    if top == "ui" and folder in FENCED_FOLDERS:
        return FENCED_FOLDERS[folder] == target
    if folder == "texts":
        return (top in {"numerics", "state", "media", "forms", "texts"} or target in TEXTS_FITTING_REFRESH
                or target in TEXTS_UNCERTAINTY_CAPTIONS)
    if top == "texts":
        return ORDER.index(folder) >= ORDER.index("reports")
    if top == "forms":
        return ORDER.index(folder) >= ORDER.index("reports")
    if top not in ORDER:
        return False
    return ORDER.index(top) <= ORDER.index(folder)


def without_comments(text):
    return re.sub(r"/\*.*?\*/", "", re.sub(r"//[^\n]*", "", text), flags=re.S)


def window_names(root, header):
    """The member and routine names that a fenced header declares."""
    text = without_comments(read(root, os.path.join("src", header)))
    names = set(re.findall(r"\b(?:[A-Z]\w*(?:\* const)?&|ShownEdit)\s+(\w+)\s*;", text))
    names |= set(re.findall(r"\b(\w+)\s*\([^;{]*\)\s*(?:const\s*)?;", text))
    return names


def fence_offences(root):
    """What breaks a fence: a name its header declares beyond its list or lacks, a header that
    includes more of ui/, a fenced folder that names the whole window."""
    found = []
    for header, (folders, listed) in FENCES.items():
        declared = window_names(root, header)
        for name in sorted(declared - listed):
            found.append(f"src/{header}: {name} is not a listed window access")
        for name in sorted(listed - declared):
            found.append(f"src/{header}: listed window access {name} is not declared")
        text = read(root, os.path.join("src", header))
        for kind, target in INCLUDE.findall(text):
            if kind == '"' and target.split("/")[0] == "ui":
                found.append(f"src/{header}: a fenced header includes \"{target}\"")
        for folder in sorted(folders):
            for path in source_files(root, os.path.join("src", folder)):
                text = without_comments(read(root, path))
                if WHOLE_WINDOW.search(text):
                    found.append(f"{path}: {folder}/ names the whole window; it uses {header}")
    return found


def offences(root):
    found = []
    for top in ("src", "app", "tests", "bench"):
        for path in source_files(root, top):
            text = read(root, path)
            qt_allowed = path.startswith(("src/qtview/", "app/", "tests/qtview/", "bench/qtview/"))
            for kind, target in INCLUDE.findall(text):
                if kind == "<" and QT_HEADER.match(target) and not qt_allowed:
                    found.append(f"{path}: includes Qt <{target}> outside src/qtview/ and app/")
                if kind == '"' and top in ("src", "app") and not allowed(folder_of(path), target):
                    found.append(f"{path}: {folder_of(path)}/ may not include \"{target}\"")
    return found + fence_offences(root)


def main():
    return verdict("layers", offences(repository_root()), "no offence")


if __name__ == "__main__":
    sys.exit(main())
