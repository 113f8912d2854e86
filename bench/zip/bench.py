#!/usr/bin/env python3
"""Zip engine benchmark: the engine's driver (zipbench) against Info-ZIP unzip, 7z and Python's zipfile on
the same generated archives, in one run.  Usage: bench.py ZIPBENCH DATA_FOLDER"""
import os, random, resource, shutil, struct, subprocess, sys, time, zipfile, zlib

zipbench, data = sys.argv[1], sys.argv[2]
os.makedirs(data, exist_ok=True)
many, mixed = f"{data}/many.zip", f"{data}/mixed.zip"


def make_many():
    if os.path.exists(many):
        return
    with zipfile.ZipFile(many + ".tmp", "w", zipfile.ZIP_STORED) as z:
        for i in range(100000):
            z.writestr(f"folder{i // 1000:03d}/file{i:06d}.txt", str(i))
    os.rename(many + ".tmp", many)


def make_big():
    """About 1 GB of archive: mostly stored random data, for deleting and renaming one entry."""
    big = f"{data}/big.zip"
    if os.path.exists(big):
        return big
    src = f"{data}/big-src"
    os.makedirs(src, exist_ok=True)
    for i in range(40):
        with open(f"{src}/part{i:02d}.bin", "wb") as f:
            f.write(os.urandom(25_000_000))
    subprocess.run(["zip", "-q", "-0", "-r", os.path.abspath(big) + ".tmp.zip", "."], cwd=src, check=True)
    os.rename(big + ".tmp.zip", big)
    shutil.rmtree(src)
    return big


def make_mixed():
    """About 200 MB of archive: incompressible files and text that deflates about 3:1."""
    if os.path.exists(mixed):
        return
    src = f"{data}/mixed-src"
    rnd = random.Random(1)
    words = [("".join(rnd.choice("abcdefghijklmnopqrstuvwxyz") for _ in range(rnd.randint(2, 9)))).encode()
             for _ in range(5000)]
    os.makedirs(f"{src}/random", exist_ok=True)
    os.makedirs(f"{src}/text", exist_ok=True)
    for i in range(100):
        with open(f"{src}/random/r{i:03d}.bin", "wb") as f:
            f.write(os.urandom(1_250_000))
    for i in range(100):
        with open(f"{src}/text/t{i:03d}.txt", "wb") as f:
            f.write(b" ".join(rnd.choice(words) for _ in range(380_000)))
    subprocess.run(["zip", "-q", "-r", os.path.abspath(mixed) + ".tmp.zip", "random", "text"], cwd=src, check=True)
    os.rename(mixed + ".tmp.zip", mixed)


def zlib_alone(path):
    """zlib's raw inflate and CRC-32 over every entry's stored data, nothing else."""
    with zipfile.ZipFile(path) as z, open(path, "rb") as f:
        for info in z.infolist():
            f.seek(info.header_offset)
            header = f.read(30)
            n, m = struct.unpack("<HH", header[26:30])
            f.seek(info.header_offset + 30 + n + m)
            left, crc = info.compress_size, 0
            d = zlib.decompressobj(-15) if info.compress_type == 8 else None
            while left:
                chunk = f.read(min(left, 1 << 20))
                left -= len(chunk)
                out = d.decompress(chunk) if d else chunk
                crc = zlib.crc32(out, crc)
            assert crc == info.CRC


def cpu_of(fn, setup=None, runs=3):
    """Best of three: (wall seconds, CPU seconds of this process and its children); setup runs untimed."""
    best = None
    for _ in range(runs):
        if setup:
            setup()
        r0, c0 = resource.getrusage(resource.RUSAGE_SELF), resource.getrusage(resource.RUSAGE_CHILDREN)
        t0 = time.perf_counter()
        fn()
        wall = time.perf_counter() - t0
        r1, c1 = resource.getrusage(resource.RUSAGE_SELF), resource.getrusage(resource.RUSAGE_CHILDREN)
        cpu = (r1.ru_utime - r0.ru_utime + r1.ru_stime - r0.ru_stime + c1.ru_utime - c0.ru_utime + c1.ru_stime - c0.ru_stime)
        if best is None or wall < best[0]:
            best = (wall, cpu)
    return best


def run(*cmd):
    def go():
        subprocess.run(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    return go


def extract_with(fn_cmd):
    out = f"{data}/out"
    def go():
        shutil.rmtree(out, ignore_errors=True)
        fn_cmd(out)
    return go


make_many()
make_mixed()
big = make_big()
corpus = f"{data}/mixed-src"
rows = []


def measure(task, tool, fn, setup=None, runs=3):
    wall, cpu = cpu_of(fn, setup, runs)
    rows.append((task, tool, wall, cpu))
    print(f"{task:8} {tool:22} {wall:8.3f} s wall {cpu:8.3f} s CPU", flush=True)


measure("list", "zipbench list", run(zipbench, "list", many))
measure("list", "unzip -Z1", run("unzip", "-Z1", many))
measure("list", "unzip -l", run("unzip", "-l", many))
measure("list", "7z l", run("7z", "l", many))
measure("list", "python zipfile", lambda: zipfile.ZipFile(many).namelist())

measure("test", "zlib inflate+crc alone", lambda: zlib_alone(mixed))
measure("test", "zipbench test", run(zipbench, "test", mixed))
measure("test", "unzip -t", run("unzip", "-tq", mixed))
measure("test", "7z t", run("7z", "t", mixed))
measure("test", "python zipfile", lambda: zipfile.ZipFile(mixed).testzip())

measure("extract", "zipbench extract", extract_with(lambda o: subprocess.run([zipbench, "extract", mixed, o], stdout=subprocess.DEVNULL, check=True)))
measure("extract", "unzip", extract_with(lambda o: subprocess.run(["unzip", "-q", "-o", mixed, "-d", o], check=True)))
measure("extract", "7z x", extract_with(lambda o: subprocess.run(["7z", "x", "-y", f"-o{o}", mixed], stdout=subprocess.DEVNULL, check=True)))
measure("extract", "python zipfile", extract_with(lambda o: zipfile.ZipFile(mixed).extractall(o)))
shutil.rmtree(f"{data}/out", ignore_errors=True)


work = f"{data}/work.zip"


def fresh(path):
    """A fresh copy of an archive to change, made before each timed run."""
    return lambda: shutil.copyfile(path, work)


def add_with(cmd):
    out = f"{data}/added.zip"
    def go():
        if os.path.exists(out):
            os.remove(out)
        subprocess.run(cmd(out), cwd=corpus, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    return go


sizes = {}
for tool, cmd in (("zipbench add -9", lambda o: [zipbench, "add", o, "--level", "9", "random", "text"]),
                  ("zip -9 -r", lambda o: ["zip", "-q", "-9", "-r", o, "random", "text"]),
                  ("7z a -tzip -mx=9", lambda o: ["7z", "a", "-tzip", "-mx=9", o, "random", "text"])):
    measure("add", tool, add_with(cmd), runs=1 if tool.startswith("7z") else 3)
    sizes[tool] = os.path.getsize(f"{data}/added.zip")
    print(f"         size {sizes[tool] / 2**20:.2f} MiB")

# Copying the archive file is what every rewrite of an archive costs at the least.
for label, path, victim, old, new in (("1 GB", big, "part17.bin", "part17", "renamed17"),
                                      ("100k", many, "folder050/file050000.txt", "file050000", "renamed")):
    measure(f"copy {label}", "cp (baseline)", run("cp", path, work))
    measure(f"del {label}", "zipbench delete", run(zipbench, "delete", work, victim), fresh(path))
    measure(f"del {label}", "zip -d", run("zip", "-q", "-d", work, victim), fresh(path))
    measure(f"ren {label}", "zipbench rename", run(zipbench, "rename", work, old, new), fresh(path))

by = {(t, tool): (w, c) for t, tool, w, c in rows}
list_peer = min(c for (t, tool), (w, c) in by.items() if t == "list" and tool != "zipbench list")
base = by[("test", "zlib inflate+crc alone")][0]
print()
print(f"mixed archive: {os.path.getsize(mixed) / 2**20:.0f} MiB")
print(f"list: fastest peer CPU / zipbench CPU = {list_peer / by[('list', 'zipbench list')][1]:.2f}x (target >= 2)")
print(f"test: zipbench / zlib alone = {by[('test', 'zipbench test')][0] / base:.2f} (target <= 1.2); "
      f"unzip -t / zipbench = {by[('test', 'unzip -t')][0] / by[('test', 'zipbench test')][0]:.2f}x")
print(f"add: zip -9 / zipbench = {by[('add', 'zip -9 -r')][0] / by[('add', 'zipbench add -9')][0]:.2f}x (target >= 1.5); "
      f"size vs zip -9 = {sizes['zipbench add -9'] / sizes['zip -9 -r'] * 100 - 100:+.2f}% (target <= +1%)")
for label in ("1 GB", "100k"):
    copy = by[(f"copy {label}", "cp (baseline)")][0]
    print(f"{label}: delete {by[(f'del {label}', 'zipbench delete')][0] / copy:.2f}x copy, rename "
          f"{by[(f'ren {label}', 'zipbench rename')][0] / copy:.2f}x copy (target <= 1.3); zip -d / zipbench delete = "
          f"{by[(f'del {label}', 'zip -d')][0] / by[(f'del {label}', 'zipbench delete')][0]:.2f}x")
print(f"extract: zipbench / zlib alone = {by[('extract', 'zipbench extract')][0] / base:.2f} (target <= 1.2); "
      f"unzip / zipbench = {by[('extract', 'unzip')][0] / by[('extract', 'zipbench extract')][0]:.2f}x")
