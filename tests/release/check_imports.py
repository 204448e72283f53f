# The executables start on Windows 7 SP1: none imports a DLL or a function that only a later
# Windows has (the loader refuses to start a program with a missing import). Reads the PE
# import directory itself; what the program looks up at run time (GetProcAddress) is not in it.
# What Windows 7 lacks is listed in windows7-absent.txt. And verdelune.exe and roomsim.exe each
# carry their own icon, assets/NAME.ico: every image of it lies in the executable's resources.
#     check_imports.py EXE...
import struct
import sys
from fnmatch import fnmatch
from pathlib import Path


# The (dll, function) pairs of a PE file's import directory; an import by ordinal is "#N".
def imports(path):
    data = Path(path).read_bytes()
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    assert data[pe:pe + 4] == b"PE\0\0", f"{path}: not a PE file"
    sections, optional_size = struct.unpack_from("<2xH12xH", data, pe + 4)
    optional = pe + 24
    wide = struct.unpack_from("<H", data, optional)[0] == 0x20B  # PE32+
    directory = struct.unpack_from("<I", data, optional + (120 if wide else 104))[0]
    table = [struct.unpack_from("<8xIIII", data, optional + optional_size + 40 * i)
             for i in range(sections)]

    def at(rva):  # the file offset of an address, through the section that holds it
        return next(raw + rva - va for size, va, raw_size, raw in table
                    if va <= rva < va + max(size, raw_size))

    def text(rva):  # a NUL-ended name
        return data[at(rva):data.index(b"\0", at(rva))].decode("ascii")

    step, ordinal = (8, 1 << 63) if wide else (4, 1 << 31)
    entry = at(directory) if directory else 0
    while entry and (descriptor := struct.unpack_from("<5I", data, entry))[3]:
        thunk = at(descriptor[0] or descriptor[4])  # the names, else the addresses before binding
        while value := struct.unpack_from("<Q" if wide else "<I", data, thunk)[0]:
            yield text(descriptor[3]), f"#{value & 0xFFFF}" if value & ordinal else text(value + 2)
            thunk += step
        entry += 20


def main():
    absent = {}
    for line in (Path(__file__).parent / "windows7-absent.txt").read_text().splitlines():
        if line.strip() and not line.startswith("#"):
            dll, names = line.split(":")
            absent.setdefault(dll.strip(), set()).update(names.split())
    faults = []
    for exe in sys.argv[1:]:
        pairs, name = list(imports(exe)), Path(exe).stem
        if name in ("verdelune", "roomsim"):
            icon = (Path(__file__).parents[2] / "assets" / f"{name}.ico").read_bytes()
            data = Path(exe).read_bytes()
            if not all(icon[at:at + size] in data for size, at in
                       (struct.unpack_from("<II", icon, 14 + 16 * i) for i in range(icon[4]))):
                faults.append(f"{exe}: the images of assets/{name}.ico are not in its resources")
        if "kernel32.dll" not in {dll.lower() for dll, _ in pairs}:
            faults.append(f"{exe}: no kernel32.dll among its imports: the table was misread")
        faults += [f"{Path(exe).name}: {dll}!{name}" for dll, name in pairs
                   for pattern, names in absent.items()
                   if fnmatch(dll.lower(), pattern) and ("*" in names or name in names)]
    if faults:
        sys.exit("imports that Windows 7 SP1 lacks, or icons missing:\n" + "\n".join(faults))
    print("Windows 7 SP1 imports, icons:", ", ".join(Path(e).name for e in sys.argv[1:]))


main()
