#!/usr/bin/env python3
"""Writes a UTF-8 text file as a Windows text file with CR LF line ends.

    windows-text.py utf-16|ascii SOURCE TARGET

utf-16: UTF-16LE with a byte order mark; ascii: plain ASCII (a character outside it fails)."""
import codecs
import sys


def main():
    encoding, source, target = sys.argv[1:4]
    with open(source, encoding="utf-8", newline=None) as stream:
        text = stream.read()
    if text.startswith("\ufeff"):
        text = text[1:]
    if not text.endswith("\n"):
        text += "\n"
    text = text.replace("\n", "\r\n")
    if encoding == "utf-16":
        data = codecs.BOM_UTF16_LE + text.encode("utf-16-le")
    elif encoding == "ascii":
        data = text.encode("ascii")
    else:
        sys.exit("windows-text.py: unknown encoding " + encoding)
    with open(target, "wb") as stream:
        stream.write(data)


if __name__ == "__main__":
    main()
