#!/usr/bin/env python3
"""Checks a built Quendelhof.exe: GUI subsystem, only system DLLs imported, and the resources
(icon, manifest, version information) with the expected version and texts."""
import re
import struct
import subprocess
import sys

SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "shell32.dll", "ole32.dll",
    "oleaut32.dll", "version.dll", "msvcrt.dll", "comctl32.dll", "ntdll.dll", "shlwapi.dll",
    "uuid.dll", "ws2_32.dll", "bcrypt.dll", "comdlg32.dll", "imm32.dll", "winmm.dll",
}


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def sections(data):
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        fail("not a PE file")
    count = struct.unpack_from("<H", data, pe + 6)[0]
    optional_size = struct.unpack_from("<H", data, pe + 20)[0]
    magic = struct.unpack_from("<H", data, pe + 24)[0]
    subsystem = struct.unpack_from("<H", data, pe + 24 + 68)[0]
    table = pe + 24 + optional_size
    result = []
    for i in range(count):
        name, vsize, vaddr, rsize, raddr = struct.unpack_from("<8sIIII", data, table + 40 * i)
        result.append((name.rstrip(b"\0").decode(), vaddr, vsize, raddr, rsize))
    return magic, subsystem, result


def resources(data, secs):
    rsrc = [s for s in secs if s[0] == ".rsrc"]
    if not rsrc:
        fail("no resource section")
    _, vaddr, _, raddr, _ = rsrc[0]

    def directory(offset, depth, path, out):
        named, ids = struct.unpack_from("<HH", data, raddr + offset + 12)
        for i in range(named + ids):
            ident, target = struct.unpack_from("<II", data, raddr + offset + 16 + 8 * i)
            if target & 0x80000000:
                directory(target & 0x7FFFFFFF, depth + 1, path + [ident], out)
            else:
                rva, size = struct.unpack_from("<II", data, raddr + target)
                start = raddr + rva - vaddr
                out.append((path + [ident], data[start:start + size]))

    out = []
    directory(0, 0, [], out)
    return out


def version_strings(blob):
    text = blob.decode("utf-16-le", errors="ignore")
    found = {}
    for key in ("ProductName", "FileDescription", "FileVersion"):
        match = re.search(key + "\0+([^\0]*)\0", text)
        if match:
            found[key] = match.group(1)
    return found


def main():
    objdump, exe, file_version, version_text, product, description = sys.argv[1:7]
    data = open(exe, "rb").read()
    magic, subsystem, secs = sections(data)
    if subsystem != 2:
        fail("subsystem %d, expected 2 (Windows GUI)" % subsystem)

    dump = subprocess.run([objdump, "-p", exe], capture_output=True, text=True, check=True).stdout
    dlls = sorted(set(re.findall(r"DLL Name: (\S+)", dump)))
    foreign = [d for d in dlls if d.lower() not in SYSTEM_DLLS]
    if foreign:
        fail("imports DLLs that are not part of Windows: " + ", ".join(foreign))

    res = resources(data, secs)
    types = {path[0] for path, _ in res}
    for kind, name in ((3, "icon"), (14, "icon group"), (16, "version"), (24, "manifest")):
        if kind not in types:
            fail("no %s resource" % name)
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
    ms, ls = struct.unpack_from("<II", blob, sig + 8)
    got = "%d.%d.%d.%d" % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    if got != file_version:
        fail("file version %s, expected %s" % (got, file_version))
    strings = version_strings(blob)
    expected = {"ProductName": product, "FileDescription": description, "FileVersion": version_text}
    for key, value in expected.items():
        if strings.get(key) != value:
            fail("%s is %r, expected %r" % (key, strings.get(key), value))

    print("%s: %s, GUI, imports %s; version %s (%s), %s" % (
        exe, "PE32+" if magic == 0x20B else "PE32", ", ".join(dlls), got, strings["FileVersion"],
        strings["ProductName"]))


if __name__ == "__main__":
    main()
