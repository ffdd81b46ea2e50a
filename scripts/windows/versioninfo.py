#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the version information of skalix.exe and of its installer: both
filed under German (Germany), language 0407, as Windows looks for it; the
program's version; and the installer saying of itself what the program
says, but for its own file name and its description, which names the
setup ("Skalix 1.00 Setup").

Usage: versioninfo.py VERSION SKALIX.EXE SETUP.EXE
Exits with 0 when all holds, 1 at the first thing that does not.
"""
import sys

import pefile

GERMAN = 0x0407


def version_information(path):
    """The language the version resource is filed under, the languages its
    translation entry names, and its strings."""
    pe = pefile.PE(path, fast_load=True)
    pe.parse_data_directories(
        directories=[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_RESOURCE"]])
    filed = [language.id
             for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries
             if kind.id == pefile.RESOURCE_TYPE["RT_VERSION"]
             for name in kind.directory.entries
             for language in name.directory.entries]
    translations, strings = [], {}
    for info in pe.FileInfo[0]:
        if info.Key == b"VarFileInfo":
            translations = [int(entry.entry[b"Translation"].split()[0], 16)
                            for entry in info.Var]
        elif info.Key == b"StringFileInfo":
            for table in info.StringTable:
                strings.update({key.decode(): value.decode()
                                for key, value in table.entries.items()})
    return filed, translations, strings


def main(version, program, setup):
    told = {}
    for path in (program, setup):
        filed, translations, strings = version_information(path)
        print(f"{path}: filed under {[hex(f) for f in filed]}, "
              f"translation {[hex(t) for t in translations]}")
        if filed != [GERMAN] or translations != [GERMAN]:
            print(f"FAIL: {path}: the version information is not filed under German (0407)")
            return 1
        if strings.get("FileVersion") != version or strings.get("ProductVersion") != version:
            print(f"FAIL: {path}: version {strings.get('FileVersion')!r}, not {version!r}")
            return 1
        strings.pop("OriginalFilename", None)
        description = strings.pop("FileDescription", None)
        wanted = f"Skalix {version} Setup" if path == setup else description
        if not description or description != wanted:
            print(f"FAIL: {path} describes itself as {description!r}")
            return 1
        told[path] = strings
    if told[program] != told[setup]:
        print(f"FAIL: the installer says {told[setup]}, the program {told[program]}")
        return 1
    print(f"both say: {told[program]}")
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
