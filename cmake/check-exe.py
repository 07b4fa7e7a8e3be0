#!/usr/bin/env python3
"""Checks a built Windows program of the project:

- the machine type of its architecture and header versions (operating system, subsystem) that
  the program's oldest Windows accepts, and the GUI subsystem;
- imports only from the allowed libraries (Windows' known DLLs, cmake/windows-dlls.txt);
- only imported functions that the reviewed list (cmake/windows-imports.txt) holds for the
  architecture, each from a Windows no newer than the program's oldest Windows;
- with --resources: icon, manifest and the version resource with the expected version and texts.

With --test-program it checks a program of the Windows test bundle instead (tests/wine): the
same header and imports, but a console program passes too, and the reviewed lists are the
product's and the tests' own (cmake/windows-test-imports.txt).

A signed program is checked as an unsigned one: the Authenticode signature lies after the
sections, where none of the checks reads; the summary says whether there is one.

Every failure is printed as a line starting with "FAIL:"; the exit code is 1 if there was one."""
import argparse
import re
import struct
import sys

# The oldest Windows of each program, and the Windows releases whose functions it has. Where the
# documentation names a client and a server release, the 64-bit program goes by the server one.
OLDEST = {
    "x86": {
        "name": "Windows XP SP3",
        "machine": 0x14C,
        "magic": 0x10B,
        "version": (5, 1),
        "releases": {"NT4", "2000", "XP", "XPSP1", "XPSP2", "XPSP3"},
    },
    "x64": {
        "name": "Windows XP x64 / Windows Server 2003 SP1",
        "machine": 0x8664,
        "magic": 0x20B,
        "version": (5, 2),
        "releases": {"NT4", "2000", "XP", "XPSP1", "2003", "2003SP1"},
    },
}
RELEASES = ["NT4", "2000", "XP", "XPSP1", "XPSP2", "XPSP3", "2003", "2003SP1", "Vista", "7", "8",
            "10"]
# Windows refuses a subsystem version below 3.10.
LOWEST_SUBSYSTEM = (3, 10)

failures = []


def fail(message):
    failures.append(message)


class Image:
    """The parts of a PE file the checks need."""

    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        self.machine, count = struct.unpack_from("<HH", data, pe + 4)
        optional_size = struct.unpack_from("<H", data, pe + 20)[0]
        optional = pe + 24
        self.magic = struct.unpack_from("<H", data, optional)[0]
        self.os_version = struct.unpack_from("<HH", data, optional + 40)
        self.subsystem_version = struct.unpack_from("<HH", data, optional + 48)
        self.subsystem = struct.unpack_from("<H", data, optional + 68)[0]
        directories = optional + (96 if self.magic == 0x10B else 112)
        self.imports_rva = struct.unpack_from("<I", data, directories + 8)[0]
        # The certificate table gives a file offset, not an address: it is loaded with no section.
        self.certificates_offset, self.certificates_size = struct.unpack_from(
            "<II", data, directories + 4 * 8)
        table = optional + optional_size
        self.sections = []
        for i in range(count):
            name, vsize, vaddr, rsize, raddr = struct.unpack_from("<8sIIII", data, table + 40 * i)
            self.sections.append((name.rstrip(b"\0").decode(), vaddr, max(vsize, rsize), raddr))

    def offset(self, rva):
        for _, vaddr, size, raddr in self.sections:
            if vaddr <= rva < vaddr + size:
                return raddr + rva - vaddr
        raise ValueError("address 0x%x outside every section" % rva)

    def text(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def imports(self):
        """(library, function) for every imported function; "#n" for an import by ordinal."""
        result = []
        if self.imports_rva == 0:
            return result
        wide = self.magic == 0x20B
        thunk_size, ordinal_flag = (8, 1 << 63) if wide else (4, 1 << 31)
        descriptor = self.offset(self.imports_rva)
        while True:
            lookup, _, _, name, first = struct.unpack_from("<IIIII", self.data, descriptor)
            if name == 0:
                return result
            library = self.text(name)
            at = self.offset(lookup or first)
            while True:
                entry = struct.unpack_from("<Q" if wide else "<I", self.data, at)[0]
                if entry == 0:
                    break
                if entry & ordinal_flag:
                    result.append((library, "#%d" % (entry & 0xFFFF)))
                else:
                    result.append((library, self.text((entry & 0x7FFFFFFF) + 2)))
                at += thunk_size
            descriptor += 20

    def resources(self):
        rsrc = [s for s in self.sections if s[0] == ".rsrc"]
        if not rsrc:
            return []
        _, vaddr, _, raddr = rsrc[0]
        data = self.data
        out = []

        def directory(offset, path):
            named, ids = struct.unpack_from("<HH", data, raddr + offset + 12)
            for i in range(named + ids):
                ident, target = struct.unpack_from("<II", data, raddr + offset + 16 + 8 * i)
                if target & 0x80000000:
                    directory(target & 0x7FFFFFFF, path + [ident])
                else:
                    rva, size = struct.unpack_from("<II", data, raddr + target)
                    start = raddr + rva - vaddr
                    out.append((path + [ident], data[start:start + size]))

        directory(0, [])
        return out


def read_list(path, columns):
    """The lines of a list file split into columns; the last column takes the rest of the line."""
    rows = []
    with open(path, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            fields = line.split(None, columns - 1)
            if len(fields) != columns:
                fail("%s:%d: expected %d columns: %s" % (path, number, columns, line))
                continue
            rows.append((path, number, fields))
    return rows


def reviewed_imports(paths, arch):
    """(library, function) -> (release, where) of the reviewed list's entries for `arch`."""
    allowed = {}
    for path in paths:
        for path_, number, (library, function, release, arches, _) in read_list(path, 5):
            where = "%s:%d" % (path_, number)
            if release not in RELEASES:
                fail("%s: unknown Windows release %r" % (where, release))
                continue
            if arches not in ("all", "x86", "x64"):
                fail("%s: unknown architecture %r" % (where, arches))
                continue
            if arches in ("all", arch):
                allowed[(library.lower(), function)] = (release, where)
    return allowed


def check_header(image, arch, console_allowed=False):
    oldest = OLDEST[arch]
    if image.machine != oldest["machine"] or image.magic != oldest["magic"]:
        fail("machine 0x%x (optional header 0x%x), expected 0x%x (0x%x) for %s" % (
            image.machine, image.magic, oldest["machine"], oldest["magic"], arch))
    version = oldest["version"]
    if image.os_version > version:
        fail("operating system version %d.%d in the header, newer than %s (%d.%d)" % (
            image.os_version + (oldest["name"],) + version))
    if not LOWEST_SUBSYSTEM <= image.subsystem_version <= version:
        fail("subsystem version %d.%d, which %s (%d.%d) refuses" % (
            image.subsystem_version + (oldest["name"],) + version))
    if image.subsystem != 2 and not (console_allowed and image.subsystem == 3):
        fail("subsystem %d, expected 2 (Windows GUI)" % image.subsystem)


def check_imports(image, arch, dll_list, import_lists):
    oldest = OLDEST[arch]
    dlls = {fields[0].lower() for _, _, fields in read_list(dll_list, 1)}
    allowed = reviewed_imports(import_lists, arch)
    imports = image.imports()
    if not imports:
        fail("imports nothing; every program of the project imports from KERNEL32.dll")
    for library in sorted({library for library, _ in imports}):
        if library.lower() not in dlls:
            fail("imports %s, which is not one of Windows' known DLLs (%s)" % (library, dll_list))
    for library, function in imports:
        entry = allowed.get((library.lower(), function))
        if entry is None:
            fail("imports %s from %s, which is not on the reviewed list for %s" % (
                function, library, arch))
        elif entry[0] not in oldest["releases"]:
            fail("imports %s from %s, which needs Windows %s (%s); the oldest Windows of this "
                 "program is %s" % (function, library, entry[0], entry[1], oldest["name"]))
    return sorted({library for library, _ in imports})


def version_strings(blob):
    text = blob.decode("utf-16-le", errors="ignore")
    found = {}
    for key in ("ProductName", "FileDescription", "FileVersion"):
        match = re.search(key + "\0+([^\0]*)\0", text)
        if match:
            found[key] = match.group(1)
    return found


def check_resources(image, file_version, version_text, product, description):
    res = image.resources()
    types = {path[0] for path, _ in res}
    for kind, name in ((3, "icon"), (14, "icon group"), (16, "version"), (24, "manifest")):
        if kind not in types:
            fail("no %s resource" % name)
            return ""
    icons = [blob for path, blob in res if path[0] == 3]
    width, height = struct.unpack_from("<ii", icons[0], 4)
    bits = struct.unpack_from("<H", icons[0], 14)[0]
    if (width, height // 2, bits) != (16, 16, 8):
        fail("icon is %dx%d with %d bits, expected 16x16 with 8 bits" % (width, height // 2, bits))

    manifest = [blob for path, blob in res if path[0] == 24][0].decode("utf-8", errors="replace")
    for needle in ('level="asInvoker"', "Microsoft.Windows.Common-Controls", 'version="6.0.0.0"',
                   "supportedOS"):
        if needle not in manifest:
            fail("manifest lacks " + needle)

    blob = [blob for path, blob in res if path[0] == 16][0]
    sig = blob.find(struct.pack("<I", 0xFEEF04BD))
    if sig < 0:
        fail("version resource without fixed file info")
        return ""
    ms, ls = struct.unpack_from("<II", blob, sig + 8)
    got = "%d.%d.%d.%d" % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    if got != file_version:
        fail("file version %s, expected %s" % (got, file_version))
    strings = version_strings(blob)
    expected = {"ProductName": product, "FileDescription": description, "FileVersion": version_text}
    for key, value in expected.items():
        if strings.get(key) != value:
            fail("%s is %r, expected %r" % (key, strings.get(key), value))
    return "; version %s (%s), %s" % (got, strings.get("FileVersion"), strings.get("ProductName"))


def signature(image):
    if not image.certificates_size:
        return "unsigned"
    end = image.certificates_offset + image.certificates_size
    if end > len(image.data):
        fail("the certificate table ends at %d, after the file's end (%d)" % (end, len(image.data)))
    return "Authenticode signature (%d bytes)" % image.certificates_size


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("exe")
    parser.add_argument("--arch", required=True, choices=sorted(OLDEST))
    parser.add_argument("--dlls", required=True, help="the allowed libraries")
    parser.add_argument("--imports", required=True, action="append",
                        help="a reviewed list of imported functions (may be given more than once)")
    parser.add_argument("--test-program", action="store_true",
                        help="a program of the test bundle: a console program passes too")
    parser.add_argument("--resources", nargs=4,
                        metavar=("FILE_VERSION", "VERSION_TEXT", "PRODUCT", "DESCRIPTION"))
    args = parser.parse_args()

    image = Image(open(args.exe, "rb").read())
    check_header(image, args.arch, console_allowed=args.test_program)
    libraries = check_imports(image, args.arch, args.dlls, args.imports)
    summary = check_resources(image, *args.resources) if args.resources else ""
    signed = signature(image)
    for message in failures:
        print("FAIL: %s: %s" % (args.exe, message))
    if failures:
        sys.exit(1)
    print("%s: %s for %s, %s, imports %s%s; %s" % (
        args.exe, "PE32+" if image.magic == 0x20B else "PE32", OLDEST[args.arch]["name"],
        "console" if image.subsystem == 3 else "GUI",
        ", ".join(libraries), summary, signed))


if __name__ == "__main__":
    main()
