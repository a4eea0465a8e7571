#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets from the sample data set.

fuzz_run seeds: windows of the sample daily file with their profile records, pointers moved
to the copied records, and key sequences that reach both screens and the commands.
"""
import pathlib
import struct
import sys

data = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build/data")
out = pathlib.Path(__file__).resolve().parent / "corpus"
wn1 = (data / "DRELMIKS.WN1").read_bytes()
wn2 = (data / "DRELMIKS.WN2").read_bytes()
days = [wn1[i:i + 81] for i in range(0, len(wn1) - 80, 81)]
profiles = [wn2[i:i + 91] for i in range(0, len(wn2) - 90, 91)]

# Key bytes as the harness maps them: 0 up, 1 left, 2 right, 3 down, 4 enter, 5 close, 6 F1, 7 "H".
KEYS = {
    "tour": bytes([4] + [4] * 3 + sum(([2, 4] for _ in range(19)), [])),
    "lysimeters": bytes([2, 4, 2, 2, 4, 2, 4, 2, 4, 2, 4, 2, 2, 2, 2, 4, 2, 4, 2, 4, 2, 4]),
    "backwards": bytes([1, 1, 4, 1, 1, 1, 1, 1, 1, 4, 4, 4, 1, 4, 4, 0, 4]),
    "exit": bytes([4, 4]),
}


def window(first, count):
    chosen = days[first:first + count]
    pointers = []
    for rec in chosen:
        for lys in range(4):
            field = rec[62 + 5 * lys - 1:62 + 5 * lys + 4]
            if field.strip():
                pointers.append(int(field))
    base = (min(pointers) // 10) * 10 if pointers else 0
    top = (max(pointers) // 10 + 1) * 10 if pointers else 0
    moved = []
    for rec in chosen:
        rec = bytearray(rec)
        for lys in range(4):
            at = 62 + 5 * lys - 1
            field = bytes(rec[at:at + 5])
            if field.strip():
                rec[at:at + 5] = b"%5d" % (int(field) - base)
        moved.append(bytes(rec))
    return b"".join(moved), b"".join(profiles[base:top])


def seed(name, daily, profile, keys):
    assert len(daily) < 65536 and len(profile) < 65536
    blob = struct.pack(">H", len(daily)) + daily + struct.pack(">H", len(profile)) + profile + keys
    (out / "fuzz_run" / name).write_bytes(blob)


for first, count in ((1461, 100), (0, 93), (len(days) - 120, 120), (1461, 40)):
    daily, profile = window(first, count)
    for keys_name, keys in KEYS.items():
        seed(f"window-{first}-{count}-{keys_name}", daily, profile, keys)
seed("empty-files", b"", b"", KEYS["tour"])
daily, profile = window(1461, 100)
seed("partial-records", daily[:-40], profile[:-13], KEYS["tour"])

for i, text in enumerate([b"  12", b"12  ", b" 1.5", b"1.5 ", b"-012", b"    ", b"\t12",
                          b"1E3", b"1e-2", b"+.5", b"$1F", b"0x1F", b"99999999999", b" 0085"]):
    (out / "fuzz_fields" / f"field-{i:02d}").write_bytes(text)
