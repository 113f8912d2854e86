#!/usr/bin/env python3
"""Checks what the engine wrote with Python's zipfile.
  check.py same ARCHIVE ROOT [PASSWORD]  every file entry holds the bytes of ROOT/<entry name>; the
                                          archive passes zipfile's own test
  check.py zip64end ARCHIVE              exit 0 when the archive has a Zip64 end record, 1 when not"""
import os, sys, zipfile

what, archive = sys.argv[1], sys.argv[2]
if what == "same":
    root = sys.argv[3]
    pwd = sys.argv[4].encode() if len(sys.argv) > 4 else None
    with zipfile.ZipFile(archive) as z:
        if pwd:
            z.setpassword(pwd)
        bad = z.testzip()
        if bad:
            sys.exit(f"bad entry {bad}")
        for info in z.infolist():
            if info.is_dir():
                continue
            with z.open(info) as f, open(os.path.join(root, info.filename), "rb") as g:
                while True:
                    a, b = f.read(1 << 20), g.read(1 << 20)
                    if a != b:
                        sys.exit(f"different: {info.filename}")
                    if not a:
                        break
elif what == "zip64end":
    data = open(archive, "rb").read()
    sys.exit(0 if b"PK\x06\x06" in data[-(65557 + 76):] and b"PK\x06\x07" in data[-(65557 + 20):] else 1)
