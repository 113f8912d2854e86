#!/usr/bin/env python3
"""Duplicate engine benchmark: dupbench against jdupes, fdupes and rmlint on one generated corpus, the
name-and-size scan against find as the enumeration floor, and memory per file on a tree of 1,000,000
files.  Usage: bench.py DUPBENCH DATA_FOLDER"""
import os, random, re, resource, shutil, subprocess, sys, time

dupbench, data = sys.argv[1], sys.argv[2]
corpus = f"{data}/corpus"
million = "/tmp/orlivo-million"  # short enough a base for paths of 50 bytes


def make_corpus():
    """About 20,000 files of 1 KB to 5 MB (about 1.5 GB): a third copies under the same name in other
    folders, and same-name same-size decoys differing in the first, the last or only the middle byte."""
    if os.path.exists(f"{corpus}/.done"):
        return
    shutil.rmtree(corpus, ignore_errors=True)
    rnd = random.Random(11)
    originals = []
    for i in range(12000):
        size = int(1024 * (5120 ** (rnd.random() ** 2.2)))
        originals.append((f"d{rnd.randrange(200):03d}", f"file{i:05d}.bin", size))
    written = 0
    for folder, name, size in originals:
        os.makedirs(f"{corpus}/{folder}", exist_ok=True)
        with open(f"{corpus}/{folder}/{name}", "wb") as f:
            f.write(os.urandom(size))
        written += size
    for k, (folder, name, size) in enumerate(rnd.sample(originals, 6600)):
        data_ = open(f"{corpus}/{folder}/{name}", "rb").read()
        other = f"c{rnd.randrange(200):03d}"
        os.makedirs(f"{corpus}/{other}", exist_ok=True)
        if k < 5400:
            out = data_  # a true copy
        else:
            b = bytearray(data_)
            pos = (0, len(b) - 1, len(b) // 2)[k % 3]
            b[pos] ^= 0xFF
            out = bytes(b)  # a decoy: same name, same size, one byte differs
        with open(f"{corpus}/{other}/{name}", "wb") as f:
            f.write(out)
        written += size
    open(f"{corpus}/.done", "w").close()
    print(f"corpus: {written / 2**30:.2f} GiB", flush=True)


def make_million():
    """1,000,000 empty files with paths of 50 bytes ("/tmp/orlivo-million/d0123/f0123-4-abcdefghijkl.txt")."""
    if os.path.exists(f"{million}/.done"):
        return
    shutil.rmtree(million, ignore_errors=True)
    for d in range(1000):
        folder = f"{million}/d{d:04d}"
        os.makedirs(folder)
        for i in range(1000):
            os.close(os.open(f"{folder}/f{i:04d}-{d % 7}-abcdefghijkl.txt", os.O_CREAT | os.O_WRONLY, 0o644))
    open(f"{million}/.done", "w").close()


def timed(cmd, runs=3):
    best = None
    for _ in range(runs):
        t0 = time.perf_counter()
        out = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=False).stdout
        wall = time.perf_counter() - t0
        best = wall if best is None else min(best, wall)
    return best, out


make_corpus()
subprocess.run(f"find '{corpus}' -type f -exec cat {{}} + > /dev/null", shell=True, check=False)  # warm

rows = {}
def row(label, cmd):
    wall, out = timed(cmd)
    rows[label] = (wall, out)
    print(f"{label:32} {wall:7.3f} s", flush=True)

row("dupbench --content md5", [dupbench, corpus, "--min-size", "0", "--content", "md5"])
row("dupbench --content crc", [dupbench, corpus, "--min-size", "0", "--content", "crc"])
row("jdupes -r", ["jdupes", "-r", "-q", corpus])
row("fdupes -r", ["fdupes", "-r", "-q", corpus])
row("rmlint (fdupes output)", ["rmlint", "-o", "fdupes", corpus])
row("dupbench (name and size)", [dupbench, corpus, "--min-size", "0"])
row("find -printf", ["find", corpus, "-type", "f", "-printf", "%s %p\n"])

listed = lambda out: len([l for l in out.decode(errors="replace").splitlines() if "\t" in l])
jd = len([l for l in rows["jdupes -r"][1].decode(errors="replace").splitlines() if l.strip()])
print(f"listed with content: dupbench {listed(rows['dupbench --content md5'][1])}, jdupes {jd} files")
print(f"content scan: dupbench md5 / jdupes = {rows['dupbench --content md5'][0] / rows['jdupes -r'][0]:.2f} (target <= 0.8)")
print(f"name-and-size scan / find = {rows['dupbench (name and size)'][0] / rows['find -printf'][0]:.2f} (target <= 1.5)")

make_million()
r0 = time.perf_counter()
res = subprocess.run(["/usr/bin/time", "-f", "%M", dupbench, million, "--min-size", "0"], stdout=subprocess.DEVNULL,
                     stderr=subprocess.PIPE, check=False)
kb = int(res.stderr.decode().strip().splitlines()[-1])
print(f"1,000,000 files: {time.perf_counter() - r0:.2f} s, peak {kb / 1024:.0f} MiB = {kb * 1024 / 1e6:.0f} bytes per file (target <= 150)")
