#!/usr/bin/env python3
"""Generates the constant property-table sources src/property_tables/<medium>_data.{h,cpp}.

Every module tools/property_tables/<medium>.py that defines MEDIUM, TITLE, NOTES and
tables() is picked up; run without arguments for all media or with medium names.
"""
import glob
import importlib
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from property_tables import common  # noqa: E402


def main(argv):
    out_dir = os.path.join(HERE, "..", "src", "property_tables")
    wanted = set(argv[1:])
    for path in sorted(glob.glob(os.path.join(HERE, "property_tables", "*.py"))):
        name = os.path.splitext(os.path.basename(path))[0]
        if name.startswith("_") or name == "common":
            continue
        module = importlib.import_module("property_tables." + name)
        if hasattr(module, "emit") and not wanted:
            # Tables of another layout (the saturation states) write their own file.
            print("wrote %s" % module.emit(out_dir, "tools/gen_property_tables.py"))
            continue
        if not all(hasattr(module, a) for a in ("MEDIUM", "TITLE", "NOTES", "tables")):
            continue
        if wanted and module.MEDIUM not in wanted:
            continue
        common.emit_medium(module.MEDIUM, module.TITLE, module.tables(), module.NOTES,
                           out_dir, "tools/gen_property_tables.py")
        print("wrote %s_data.{h,cpp}" % module.MEDIUM)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
