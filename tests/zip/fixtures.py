#!/usr/bin/env python3
"""Builds the zip engine's test archives with peer tools (Info-ZIP zip, Python's zipfile) and, for the
malformed cases, byte by byte.  Usage: fixtures.py NAME FOLDER  (the folder is created; see MAKERS)."""
import io, os, random, struct, subprocess, sys, zipfile, zlib


def write(path, data):
    os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def tree(d):
    """src/ with a binary file, a text file in a folder, an empty file and a UTF-8 name."""
    rnd = random.Random(7)
    write(f"{d}/src/rand.bin", bytes(rnd.getrandbits(8) for _ in range(200000)))
    write(f"{d}/src/sub/numbers.txt", "".join(f"{i}\n" for i in range(50000)).encode())
    write(f"{d}/src/sub/empty.txt", b"")
    write(f"{d}/src/sub/caf\u00e9 \u65e5\u672c.txt", "unicode name\n".encode())
    os.utime(f"{d}/src/sub/numbers.txt", (1500000000, 1500000000))


def zip_cmd(d, *args):
    subprocess.run(["zip", "-q", *args], cwd=d, check=True)


def make_infozip(d):
    tree(d)
    zip_cmd(d, "-r", "a.zip", "src")


def make_zip64(d):
    tree(d)
    zip_cmd(d, "-r", "-fz", "a.zip", "src")


def make_encrypted(d):
    tree(d)
    zip_cmd(d, "-r", "-e", "-P", "secret", "a.zip", "src")


def make_split(d):
    tree(d)
    zip_cmd(d, "-r", "-0", "-s", "64k", "a.zip", "src")


def make_numbered(d):
    """The split archive with its parts renamed to the numbered scheme: n001.zip ... the last part."""
    make_split(d)
    parts = sorted(p for p in os.listdir(d) if p.startswith("a.z") and p != "a.zip")
    for i, p in enumerate(parts + ["a.zip"], start=1):
        os.rename(f"{d}/{p}", f"{d}/n{i:03d}.zip")


def make_comment(d):
    tree(d)
    zip_cmd(d, "-r", "a.zip", "src")
    subprocess.run(["zip", "-q", "-z", "a.zip"], cwd=d, input=("c" * 199 + "\n").encode(), check=True)


def make_junk(d):
    make_infozip(d)
    with open(f"{d}/a.zip", "ab") as f:
        f.write(b"0123456789")


def make_prefixed(d):
    """A self-extractor stub in front of an archive whose offsets still count from the zip's start."""
    make_infozip(d)
    data = open(f"{d}/a.zip", "rb").read()
    write(f"{d}/a.zip", b"MZ" + bytes(4094) + data)


def make_many(d):
    with zipfile.ZipFile(f"{d}/a.zip", "w", zipfile.ZIP_STORED) as z:
        for i in range(70000):
            z.writestr(f"f/{i:05d}.txt", str(i))


def make_descriptor(d):
    """Data descriptors (written to an unseekable stream), UTF-8 names, stored and deflated entries."""
    class Unseekable(io.RawIOBase):
        def __init__(self, f): self.f = f
        def writable(self): return True
        def write(self, b): return self.f.write(b)
    with open(f"{d}/a.zip", "wb") as raw:
        with zipfile.ZipFile(Unseekable(raw), "w") as z:
            for name, method in (("stored.txt", zipfile.ZIP_STORED), ("deflated.txt", zipfile.ZIP_DEFLATED),
                                 ("gr\u00fc\u00dfe/\u043f\u0440\u0438\u0432\u0435\u0442.txt", zipfile.ZIP_DEFLATED)):
                info = zipfile.ZipInfo(name, (2020, 1, 2, 3, 4, 6))
                info.compress_type = method
                with z.open(info, "w") as w:
                    w.write((name + "\n").encode() * 1000)


def stored_archive(d, entries, name="a.zip"):
    with zipfile.ZipFile(f"{d}/{name}", "w", zipfile.ZIP_STORED) as z:
        for n, data in entries:
            z.writestr(n, data)
    return f"{d}/{name}"


def patch(path, fn):
    data = bytearray(open(path, "rb").read())
    fn(data)
    write(path, bytes(data))


def make_crc(d):
    """The middle of three stored entries has one data byte changed."""
    p = stored_archive(d, [("one.txt", b"first\n" * 100), ("two.txt", b"second\n" * 100), ("three.txt", b"third\n" * 100)])
    patch(p, lambda b: b.__setitem__(b.index(b"second") + 3, ord("X")))


def make_method12(d):
    p = stored_archive(d, [("one.txt", b"first\n"), ("bz.txt", b"pretend bzip2\n"), ("three.txt", b"third\n")])
    def fn(b):
        for sig, off in ((b"PK\x03\x04", 8), (b"PK\x01\x02", 10)):
            pos = 0
            for _ in range(2):
                pos = b.index(sig, pos) + 1
            struct.pack_into("<H", b, pos - 1 + off, 12)
    patch(p, fn)


def make_samename(d):
    stored_archive(d, [("a/x.txt", b"from a\n"), ("b/x.txt", b"from b\n")])


def make_hostile(d):
    stored_archive(d, [("ok.txt", b"fine\n"), ("../evil.txt", b"x"), ("/abs.txt", b"x"), ("C:\\drive.txt", b"x"),
                       ("\\\\server\\share.txt", b"x"), ("sub/../../up.txt", b"x"), ("ctl\x01.txt", b"x"),
                       ("deep/ok2.txt", b"fine too\n")])


def make_cp437(d):
    """A DOS-made entry (host 0) whose name holds CP437 bytes 0x81 (u umlaut) and 0xE1 (sharp s)."""
    p = stored_archive(d, [("M_ller-Stra_e.txt", b"dos\n")])
    def fn(b):
        c = b.index(b"PK\x01\x02")
        struct.pack_into("<H", b, c + 4, 20)  # version made by: MS-DOS, 2.0
        n = struct.unpack_from("<H", b, c + 28)[0]
        b[c + 46:c + 46 + n] = b"M\x81ller-Stra\xe1e.txt"
        l = b.index(b"PK\x03\x04")
        b[l + 30:l + 30 + n] = b"M\x81ller-Stra\xe1e.txt"
    patch(p, fn)


def end_record(b):
    return b.rindex(b"PK\x05\x06")


def make_malformed(d):
    """Every damaged archive of the table in the tests, each in its own file."""
    good = stored_archive(d, [("a.txt", b"alpha\n" * 50), ("b.txt", b"beta\n" * 50)], "good.zip")
    data = open(good, "rb").read()
    write(f"{d}/zero.zip", b"")
    write(f"{d}/short.zip", b"PK\x05\x06" + bytes(10))
    write(f"{d}/random.zip", bytes(random.Random(3).getrandbits(8) for _ in range(5000)))
    write(f"{d}/truncated.zip", data[: len(data) // 2])
    e = end_record(data)

    def variant(name, fn):
        b = bytearray(data)
        fn(b)
        write(f"{d}/{name}", bytes(b))

    variant("count-beyond.zip", lambda b: (struct.pack_into("<H", b, e + 8, 60000), struct.pack_into("<H", b, e + 10, 60000)))
    variant("offset-beyond.zip", lambda b: struct.pack_into("<I", b, e + 16, 0x7FFFFFF0))
    variant("size-beyond.zip", lambda b: struct.pack_into("<I", b, e + 12, 0x7FFFFFF0))
    c = data.index(b"PK\x01\x02")
    variant("name-beyond.zip", lambda b: struct.pack_into("<H", b, c + 28, 0xFFFF))
    variant("extra-lies.zip", lambda b: struct.pack_into("<H", b, c + 30, 0xFFF0))
    variant("local-beyond.zip", lambda b: struct.pack_into("<I", b, c + 42, 0x7FFFFFF0))
    variant("zip64-lies.zip", lambda b: (struct.pack_into("<I", b, c + 20, 0xFFFFFFFF), struct.pack_into("<H", b, c + 6, 45)))

    # Both central headers point at the first local header: overlapping entries.
    def overlap(b):
        second = b.index(b"PK\x01\x02", c + 1)
        struct.pack_into("<I", b, second + 42, struct.unpack_from("<I", b, c + 42)[0])
    variant("overlap.zip", overlap)

    # A deflate stream that inflates to far more than the size its headers declare.
    payload = zlib.compressobj(9, zlib.DEFLATED, -15)
    stream = payload.compress(bytes(10_000_000)) + payload.flush()
    with zipfile.ZipFile(f"{d}/bomb.zip", "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("small.txt", b"x" * 1000)
    b = bytearray(open(f"{d}/bomb.zip", "rb").read())
    l, cc = b.index(b"PK\x03\x04"), b.index(b"PK\x01\x02")
    old = struct.unpack_from("<I", b, l + 18)[0]
    n = struct.unpack_from("<H", b, l + 26)[0] + struct.unpack_from("<H", b, l + 28)[0]
    start = l + 30 + n
    b[start:start + old] = stream
    delta = len(stream) - old
    for base in (l, cc + delta):
        struct.pack_into("<I", b, base + (18 if base == l else 20), len(stream))
    e2 = b.rindex(b"PK\x05\x06")
    struct.pack_into("<I", b, e2 + 16, struct.unpack_from("<I", b, e2 + 16)[0] + delta)
    write(f"{d}/bomb.zip", bytes(b))


MAKERS = {name[5:]: fn for name, fn in globals().items() if name.startswith("make_")}

if __name__ == "__main__":
    name, folder = sys.argv[1], sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    MAKERS[name](folder)
