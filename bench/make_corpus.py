#!/usr/bin/env python3
"""Seeded benchmark corpora for vantrel-find and its peers.

    make_corpus.py [--seed N] [--needle TEXT] [--only small,large,mixed] OUTDIR

Writes, under OUTDIR:
  small/    50,000 files of 1 to 16 KiB in a 4-level tree, 2% holding the needle
  large/    files of 256 MiB: the needle near the end, across a 256 KiB chunk boundary, or absent
  mixed/    sizes from 0 bytes to tens of MiB, many folders, binary-looking and hidden files
  <name>.expected   the files that hold the needle, relative, '/'-separated, sorted
  <name>.stamp      the parameters it was made with (JSON); a corpus whose stamp matches is kept

Every file holds the needle exactly as often as planned (zero or once): the generator checks it.
Same seed, same parameters, same Python minor version: the same bytes.
"""

import argparse
import hashlib
import json
import math
import os
import random
import shutil
import sys

KIB = 1024
MIB = 1024 * KIB

DEFAULTS = {
    "seed": 20240611,
    "needle": "vantrel_Qz79",
    "small_files": 50_000,
    "small_fraction": 0.02,
    "large_size_mib": 256,
    "large_near_end": 4,
    "large_absent": 2,
    "mixed_files": 8_000,
    "mixed_fraction": 0.03,
}

CHUNK = 256 * KIB  # the engine's default read size: where a chunk boundary falls


# ------------------------------------------------------------------ content ----

def pool_text(rng, size):
    """Text-like bytes (log lines and prose, some UTF-8 Chinese) to cut files from.

    Realistic byte frequencies matter: a searcher that skips on a rare byte of the needle
    would look unfairly fast on random bytes or on text lacking the needle's letters."""
    consonants = "bcdfghjklmnpqrstvwxyz"
    vowels = "aeiou"

    def word():
        return "".join(rng.choice(consonants) + rng.choice(vowels) for _ in range(rng.randint(1, 4)))

    vocab = [word() for _ in range(3000)]
    vocab += [w.capitalize() for w in vocab[:600]]
    vocab += ["_".join(rng.sample(vocab[:3000], 2)) for _ in range(300)]  # identifiers
    vocab += ["数据", "文件", "查找", "结果", "错误", "线程", "目录", "内容"]
    levels = ["INFO", "WARN", "DEBUG", "ERROR", "TRACE"]
    lines = []
    total = 0
    while total < size:
        r = rng.random()
        if r < 0.15:
            line = "    %s %s = %s(%s, %d);" % (
                rng.choice(["int", "auto", "char*", "size_t", "var", "let"]), rng.choice(vocab),
                rng.choice(vocab), rng.choice(vocab), rng.randint(0, 4096))
        elif r < 0.6:
            line = "2024-%02d-%02d %02d:%02d:%02d.%03d %s [%s-%d] %s id=%08x n=%d" % (
                rng.randint(1, 12), rng.randint(1, 28), rng.randint(0, 23), rng.randint(0, 59),
                rng.randint(0, 59), rng.randint(0, 999), rng.choice(levels), rng.choice(vocab),
                rng.randint(0, 31), " ".join(rng.choices(vocab, k=rng.randint(3, 12))),
                rng.getrandbits(32), rng.randint(0, 99999))
        else:
            words = rng.choices(vocab, k=rng.randint(4, 20))
            words[0] = words[0].capitalize()
            line = " ".join(words) + rng.choice([".", ".", ",", ";", "?", ":"])
        data = (line + "\n").encode("utf-8")
        lines.append(data)
        total += len(data)
    return b"".join(lines)[:size]


class Pool:
    """A cyclic stream of text-like bytes that never holds the needle, even across its wrap."""

    def __init__(self, rng, needle, size=8 * MIB):
        data = bytearray(pool_text(rng, size))
        # Break every occurrence, including one formed across the wrap; retry in the unlikely
        # event that a change forms a new one.
        while True:
            wrapped = bytes(data) + bytes(data[: len(needle) - 1])
            at = wrapped.find(needle)
            if at < 0:
                break
            data[(at + len(needle) - 1) % len(data)] = ord(" ")
        self.data = bytes(data)

    def slice(self, offset, length):
        out = bytearray()
        offset %= len(self.data)
        while length > 0:
            piece = self.data[offset: offset + length]
            out += piece
            length -= len(piece)
            offset = 0
        return bytes(out)


def scrubbed(data, needle):
    """data without the needle. Zeros cannot form a new occurrence (the needle holds none),
    and a border-free needle's occurrences do not overlap, so one pass is enough."""
    return data.replace(needle, b"\0" * len(needle))


def with_needle(data, needle, at):
    return data[:at] + needle + data[at + len(needle):]


def binary_bytes(rng, needle, length):
    """Bytes that look like an executable or image: a header, random runs and zero runs."""
    header = rng.choice([b"MZ\x90\x00\x03\x00\x00\x00", b"\x7fELF\x02\x01\x01\x00",
                         b"\x89PNG\r\n\x1a\n", b"PK\x03\x04\x14\x00\x00\x00"])
    parts = [header]
    size = len(header)
    while size < length:
        n = min(length - size, rng.randint(16, 4096))
        parts.append(b"\0" * n if rng.random() < 0.25 else rng.randbytes(n))
        size += n
    return scrubbed(b"".join(parts)[:length], needle)


# ------------------------------------------------------------------ writing ----

class Corpus:
    def __init__(self, root, needle):
        self.root = root
        self.needle = needle
        self.files = 0
        self.bytes = 0
        self.matches = []

    def write(self, relative, data, holds):
        count = data.count(self.needle)
        if count != (1 if holds else 0):
            raise SystemExit(f"make_corpus: {relative} holds the needle {count} times (planned {int(holds)})")
        path = os.path.join(self.root, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
        self._count(relative, len(data), holds)

    def write_stream(self, relative, pool, offset, length, needle_at):
        """A long file cut from the pool in pieces, the needle placed at needle_at (or None);
        the count is checked across piece joins, so it is exact for the whole file."""
        path = os.path.join(self.root, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        n = len(self.needle)
        count = 0
        tail = b""
        position = 0
        with open(path, "wb") as f:
            while position < length:
                piece = pool.slice(offset + position, min(8 * MIB, length - position))
                if needle_at is not None and needle_at < position + len(piece) and needle_at + n > position:
                    # Overwrite the part of the needle that falls in this piece.
                    lo = max(needle_at, position)
                    hi = min(needle_at + n, position + len(piece))
                    piece = (piece[: lo - position] + self.needle[lo - needle_at: hi - needle_at]
                             + piece[hi - position:])
                count += (tail + piece).count(self.needle)
                tail = (tail + piece)[-(n - 1):]
                f.write(piece)
                position += len(piece)
        holds = needle_at is not None
        if count != (1 if holds else 0):
            raise SystemExit(f"make_corpus: {relative} holds the needle {count} times (planned {int(holds)})")
        self._count(relative, length, holds)

    def _count(self, relative, size, holds):
        self.files += 1
        self.bytes += size
        if holds:
            self.matches.append(relative.replace(os.sep, "/"))


def make_small(corpus, rng, pool, p):
    # 5 x 5 x 5 x 8 = 1,000 leaf folders, four levels deep, the files spread over the leaves.
    leaves = [f"a{a}/b{b}/c{c}/d{d}" for a in range(5) for b in range(5) for c in range(5) for d in range(8)]
    n = p["small_files"]
    holders = set(rng.sample(range(n), round(n * p["small_fraction"])))
    for i in range(n):
        size = rng.randint(1 * KIB, 16 * KIB)
        data = pool.slice(rng.getrandbits(32), size)
        holds = i in holders
        if holds:
            data = with_needle(data, corpus.needle, rng.randint(0, size - len(corpus.needle)))
        ext = rng.choice([".txt", ".log", ".c", ".md", ".csv"])
        corpus.write(f"{leaves[i % len(leaves)]}/f{i:05d}{ext}", data, holds)


def make_large(corpus, rng, pool, p):
    size = p["large_size_mib"] * MIB
    n = len(corpus.needle)
    for i in range(p["large_near_end"]):
        # Within the last MiB; the first one exactly at the very end.
        at = size - n if i == 0 else size - rng.randint(n, MIB)
        corpus.write_stream(f"near-end-{i}.dat", pool, rng.getrandbits(32), size, at)
    # 5 bytes before the last chunk boundary but one: split 5 + 7 over two 256 KiB reads.
    corpus.write_stream("across-chunk.dat", pool, rng.getrandbits(32), size, (size // CHUNK - 1) * CHUNK - 5)
    for i in range(p["large_absent"]):
        corpus.write_stream(f"absent-{i}.dat", pool, rng.getrandbits(32), size, None)


def log_uniform(rng, lo, hi):
    return int(math.exp(rng.uniform(math.log(lo), math.log(hi))))


def make_mixed(corpus, rng, pool, p):
    words = ["src", "docs", "build", "assets", "lib", "test", "data", "logs", "include", "tools",
             "old", "backup", "reports", "2023", "2024", "images", "vendor", "cache", "tmp", "notes"]
    # A tree of varied depth; a few hidden folders, as in real home and project folders.
    folders = [""]
    for i in range(400):
        parent = rng.choice(folders)
        if parent.count("/") >= 7:
            parent = ""
        name = rng.choice(words) + (str(i) if rng.random() < 0.7 else "-" + str(i))
        if rng.random() < 0.04:
            name = "." + name
        folders.append(f"{parent}/{name}" if parent else name)

    # Ignore files that would hide most of the tree from a tool that honoured them.
    for name in (".gitignore", ".ignore", ".rgignore"):
        corpus.write(name, b"*\n!*/\n", False)

    n = p["mixed_files"]
    holders = set(rng.sample(range(n), round(n * p["mixed_fraction"])))
    text_ext = [".txt", ".log", ".cpp", ".h", ".py", ".md", ".json", ".xml", ".csv", ".html"]
    bin_ext = [".bin", ".dll", ".exe", ".png", ".zip", ".o"]
    n_big = 10
    for i in range(n + n_big):
        big = i >= n
        r = rng.random()
        if big:
            size = log_uniform(rng, 4 * MIB, 40 * MIB)
        elif r < 0.03:
            size = 0
        elif r < 0.94:
            size = log_uniform(rng, 1, 64 * KIB)
        else:
            size = log_uniform(rng, 64 * KIB, 2 * MIB)
        binary = rng.random() < (0.3 if big else 0.03)
        holds = (i in holders) or (big and i % 3 == 0)
        holds = holds and size >= len(corpus.needle)
        folder = rng.choice(folders)
        stem = f"{rng.choice(words)}_{i:05d}"
        if rng.random() < 0.05:
            stem = "." + stem
        elif rng.random() < 0.03:
            stem = stem.replace("_", " copy ", 1)
        name = stem + rng.choice(bin_ext if binary else text_ext)
        relative = f"{folder}/{name}" if folder else name

        n_needle = len(corpus.needle)
        if holds:
            where = rng.random()
            if where < 0.15:
                at = 0
            elif where < 0.3:
                at = size - n_needle
            elif where < 0.45 and size > CHUNK + n_needle:
                boundary = CHUNK * rng.randint(1, size // CHUNK)
                at = min(boundary - rng.randint(1, n_needle - 1), size - n_needle)
            else:
                at = rng.randint(0, size - n_needle)
        else:
            at = None
        if binary:
            data = binary_bytes(rng, corpus.needle, size)
            if at is not None:
                data = with_needle(data, corpus.needle, at)
            corpus.write(relative, data, holds)
        elif big:
            corpus.write_stream(relative, pool, rng.getrandbits(32), size, at)
        else:
            data = pool.slice(rng.getrandbits(32), size)
            if at is not None:
                data = with_needle(data, corpus.needle, at)
            corpus.write(relative, data, holds)


MAKERS = {"small": make_small, "large": make_large, "mixed": make_mixed}
PARAMS = {
    "small": ["small_files", "small_fraction"],
    "large": ["large_size_mib", "large_near_end", "large_absent"],
    "mixed": ["mixed_files", "mixed_fraction"],
}


# ---------------------------------------------------------------------- main ----

def generator_hash():
    with open(os.path.abspath(__file__), "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()[:16]


def main():
    parser = argparse.ArgumentParser(description="Seeded benchmark corpora for vantrel-find.")
    parser.add_argument("outdir")
    parser.add_argument("--only", default="small,large,mixed", help="comma-separated corpus names")
    for key, value in DEFAULTS.items():
        parser.add_argument("--" + key.replace("_", "-"), type=type(value), default=value)
    args = parser.parse_args()
    p = {key: getattr(args, key) for key in DEFAULTS}
    needle = p["needle"].encode("utf-8")
    if len(needle) < 2:
        raise SystemExit("make_corpus: the needle needs at least 2 bytes")
    # Border-free (no proper prefix is also a suffix): its occurrences cannot overlap, which
    # the exact counts above rely on.
    if any(needle[:k] == needle[-k:] for k in range(1, len(needle))):
        raise SystemExit("make_corpus: the needle must not end with one of its own prefixes")
    if b"\0" in needle or b"\n" in needle:
        raise SystemExit("make_corpus: the needle must not hold a zero byte or a newline")

    os.makedirs(args.outdir, exist_ok=True)
    names = [n for n in args.only.split(",") if n]
    for name in names:
        if name not in MAKERS:
            raise SystemExit(f"make_corpus: unknown corpus '{name}' ({', '.join(MAKERS)})")
    for name in names:
        stamp_path = os.path.join(args.outdir, name + ".stamp")
        wanted = {
            "corpus": name,
            "seed": p["seed"],
            "needle": p["needle"],
            "params": {k: p[k] for k in PARAMS[name]},
            "generator": generator_hash(),
            "python": "%d.%d" % sys.version_info[:2],
        }
        root = os.path.join(args.outdir, name)
        try:
            with open(stamp_path) as f:
                if json.load(f)["made_with"] == wanted and os.path.isdir(root):
                    print(f"{name}: up to date ({root})")
                    continue
        except (OSError, ValueError, KeyError):
            pass
        # The stamp goes last: an interrupted run leaves no stamp and is redone from scratch.
        if os.path.exists(stamp_path):
            os.remove(stamp_path)
        shutil.rmtree(root, ignore_errors=True)
        print(f"{name}: generating in {root} ...", flush=True)
        # One generator per corpus, so that changing one corpus's parameters keeps the others.
        rng = random.Random(f"{p['seed']}/{name}")
        pool = Pool(random.Random(f"{p['seed']}/pool"), needle)
        corpus = Corpus(root, needle)
        MAKERS[name](corpus, rng, pool, p)
        with open(os.path.join(args.outdir, name + ".expected"), "w") as f:
            f.writelines(m + "\n" for m in sorted(corpus.matches))
        stats = {"files": corpus.files, "bytes": corpus.bytes, "matches": len(corpus.matches)}
        with open(stamp_path, "w") as f:
            json.dump({"made_with": wanted, "stats": stats}, f, indent=1)
            f.write("\n")
        print(f"{name}: {corpus.files} files, {corpus.bytes / MIB:.1f} MiB, "
              f"{len(corpus.matches)} hold the needle", flush=True)


if __name__ == "__main__":
    main()
