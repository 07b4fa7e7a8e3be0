#!/usr/bin/env python3
"""Makes the release's zips and SHA256SUMS from the built programs and the two texts.

    make-release.py --epoch SECONDS --folder NAME --package NAME-VERSION --out DIR
                    --texts FILE... --exe ARCH=EXE...

For each architecture, DIR/NAME-VERSION-ARCH/NAME/ receives its exes and the texts: the zip's
content as Windows' "Alle extrahieren" unpacks it by default, into a folder named after the zip.
DIR/NAME-VERSION-ARCH.zip holds the folder NAME/ with the same files. For the same inputs the
zips are the same bytes: entries in a fixed order, all dated SECONDS (SOURCE_DATE_EPOCH), with
fixed attributes and no extra fields. DIR/SHA256SUMS lists the zips and the exes under their
unpacked paths, in the format `sha256sum -c` reads in DIR, with CR LF line ends.

When QUENDELHOF_SIGN_PKCS12 names a PKCS#12 file (its password in QUENDELHOF_SIGN_PASSWORD),
osslsigncode signs each exe with Authenticode (SHA-256) before it is packed; with
QUENDELHOF_SIGN_TIMESTAMP, the URL of an RFC 3161 time-stamp server, the signature is
timestamped there. Without a timestamp the signature's signing time is SECONDS too, so a signed
release is reproducible (with the same certificate and osslsigncode)."""
import argparse
import hashlib
import os
import shutil
import subprocess
import sys
import time
import zipfile

# A zip stores dates from 1980 on, as local time without a zone: the release stores UTC.
FIRST_ZIP_DATE = 315532800
FILE_MODE = 0o100644
PROGRAM_MODE = 0o100755
FOLDER_MODE = 0o040755
MSDOS_DIRECTORY = 0x10


def fail(message):
    sys.exit("make-release.py: " + message)


def signing():
    """The PKCS#12 file, its password and the time-stamp server, or None for an unsigned release."""
    pkcs12 = os.environ.get("QUENDELHOF_SIGN_PKCS12", "")
    if not pkcs12:
        return None
    if not os.path.isfile(pkcs12):
        fail("QUENDELHOF_SIGN_PKCS12 names %s, which is no file" % pkcs12)
    if shutil.which("osslsigncode") is None:
        fail("signing needs osslsigncode (Debian package osslsigncode)")
    return (pkcs12, os.environ.get("QUENDELHOF_SIGN_PASSWORD", ""),
            os.environ.get("QUENDELHOF_SIGN_TIMESTAMP", ""))


def sign(exe, target, sign_with, epoch):
    pkcs12, password, timestamp = sign_with
    # The password goes through a pipe, never onto a command line that others can read.
    command = ["osslsigncode", "sign", "-pkcs12", pkcs12, "-readpass", "/dev/stdin",
               "-h", "sha256", "-in", exe, "-out", target]
    command += ["-ts", timestamp] if timestamp else ["-time", str(epoch)]
    result = subprocess.run(command, input=(password + "\n").encode(), capture_output=True)
    if result.returncode != 0:
        fail("osslsigncode could not sign %s:\n%s%s" % (
            exe, result.stdout.decode(errors="replace"), result.stderr.decode(errors="replace")))


def zip_entry(name, date, mode):
    entry = zipfile.ZipInfo(name, date)
    entry.create_system = 3  # Unix: the mode below is the entry's attributes
    entry.external_attr = mode << 16 | (MSDOS_DIRECTORY if name.endswith("/") else 0)
    entry.compress_type = zipfile.ZIP_STORED if name.endswith("/") else zipfile.ZIP_DEFLATED
    return entry


def write_zip(path, folder, files, epoch):
    """files: (name, source path, mode) in the order of the zip."""
    date = time.gmtime(max(epoch, FIRST_ZIP_DATE))[:6]
    partial = path + ".part"
    with zipfile.ZipFile(partial, "w") as archive:
        archive.writestr(zip_entry(folder + "/", date, FOLDER_MODE), b"")
        for name, source, mode in files:
            with open(source, "rb") as stream:
                archive.writestr(zip_entry("%s/%s" % (folder, name), date, mode), stream.read(),
                                 compresslevel=9)
    os.replace(partial, path)


def sha256(path):
    with open(path, "rb") as stream:
        return hashlib.sha256(stream.read()).hexdigest()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--epoch", type=int, required=True)
    parser.add_argument("--folder", required=True, help="the folder in each zip")
    parser.add_argument("--package", required=True, help="the zips' names before -ARCH.zip")
    parser.add_argument("--out", required=True)
    parser.add_argument("--texts", nargs="+", required=True)
    parser.add_argument("--exe", nargs="+", required=True, metavar="ARCH=EXE")
    args = parser.parse_args()

    sign_with = signing()
    sums = {}
    # The programs of each architecture, in the order given: one zip per architecture.
    programs_of = {}
    for arch, exe in (item.split("=", 1) for item in args.exe):
        programs_of.setdefault(arch, []).append(exe)
    for arch, exes in programs_of.items():
        stem = "%s-%s" % (args.package, arch)
        unpacked = os.path.join(args.out, stem)
        content = os.path.join(unpacked, args.folder)
        shutil.rmtree(unpacked, ignore_errors=True)
        os.makedirs(content)
        files = []
        for exe in exes:
            program = os.path.join(content, os.path.basename(exe))
            if sign_with:
                sign(exe, program, sign_with, args.epoch)
            else:
                shutil.copyfile(exe, program)
            files.append((os.path.basename(program), program, PROGRAM_MODE))
            sums["%s/%s/%s" % (stem, args.folder, os.path.basename(program))] = sha256(program)
        for text in args.texts:
            copy = os.path.join(content, os.path.basename(text))
            shutil.copyfile(text, copy)
            files.append((os.path.basename(text), copy, FILE_MODE))
        write_zip(os.path.join(args.out, stem + ".zip"), args.folder, files, args.epoch)
        sums[stem + ".zip"] = sha256(os.path.join(args.out, stem + ".zip"))
        print("%s.zip: %s, %s" % (stem, "/".join(name for name, _, _ in files),
                                  "signed" if sign_with else "unsigned"))
    # CR LF, so that Notepad before Windows 10 1809 shows one sum a line; sha256sum -c reads it.
    with open(os.path.join(args.out, "SHA256SUMS"), "w", encoding="ascii", newline="\r\n") as out:
        for name in sorted(sums):
            out.write("%s  %s\n" % (sums[name], name))


if __name__ == "__main__":
    main()
