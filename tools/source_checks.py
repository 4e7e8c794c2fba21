"""What the source checks (layers, vocabulary, names) share: the repository root from the
command line, the C++ files of a folder, reading one, and the verdict they print."""
import os
import sys


def repository_root():
    """The root given as the first argument, else the folder above tools/."""
    return os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))


def source_files(root, top):
    """The .h and .cpp files below root/top, as paths relative to root, in a stable order."""
    for base, folders, names in os.walk(os.path.join(root, top)):
        folders.sort()
        for name in sorted(names):
            if name.endswith((".h", ".cpp")):
                yield os.path.relpath(os.path.join(base, name), root)


def read(root, path):
    with open(os.path.join(root, path), encoding="utf-8") as f:
        return f.read()


def verdict(check, offences, passed):
    """Prints each offence and the check's last line; the exit code: 1 when there is one."""
    for line in offences:
        print(line)
    if offences:
        print(f"{check}: {len(offences)} offence(s)")
        return 1
    print(f"{check}: {passed}")
    return 0
