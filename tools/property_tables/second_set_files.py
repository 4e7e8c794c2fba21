"""Writes the data files of the second set of gas tables and of the saturation states.

Run from tools/:  python3 -m property_tables.second_set_files
(or call write_all from the generator script)."""

import os

from property_tables import air, argon, methane, oxygen, saturation, second_set

GENERATOR = "tools/property_tables/second_set_files.py"

MEDIA = ((oxygen, "oxygen", "Oxygen tables"), (argon, "argon", "Argon tables"),
         (air, "air", "Air tables"), (methane, "methane", "Methane tables"))


def write_all(root):
    out_dir = os.path.join(root, "src", "property_tables")
    written = []
    for module, name, title in MEDIA:
        tables = module.tables()
        header = "%s_data.h" % name
        files = {header: second_set.cpp_header(GENERATOR, name, tables),
                 "%s_data.cpp" % name: second_set.cpp_source(GENERATOR, header, title, tables)}
        for file_name, text in files.items():
            with open(os.path.join(out_dir, file_name), "w") as handle:
                handle.write(text)
            written.append(file_name)
    with open(os.path.join(out_dir, "saturation_data.cpp"), "w") as handle:
        handle.write(saturation.cpp_source(GENERATOR))
    written.append("saturation_data.cpp")
    return written


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    for name in write_all(os.path.dirname(os.path.dirname(here))):
        print("wrote src/property_tables/" + name)
