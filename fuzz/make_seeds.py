#!/usr/bin/env python3
"""Writes the seed inputs of the workspace fuzz targets.

The files are built field by field from the layouts, independently of the
C++ writers: a window block of a matrix window, small matrix files of each
kind, the two settings files and a few pasted texts.
Run from the repository root: python3 fuzz/make_seeds.py
"""
import os
import struct
from fractions import Fraction

SEEDS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "seeds")


def extended(value):
    """The 10-byte extended real of an exactly representable value."""
    if value == 0:
        return bytes(10)
    value = Fraction(value)
    sign = 0x8000 if value < 0 else 0
    value = abs(value)
    exponent = 0
    while value >= 2:
        value /= 2
        exponent += 1
    while value < 1:
        value *= 2
        exponent -= 1
    mantissa = value * 2**63
    assert mantissa.denominator == 1
    return struct.pack("<QH", mantissa.numerator, (exponent + 16383) | sign)


def font(height, face, charset=0, pitch=1):
    return struct.pack("<5i8B32s", height, 0, 0, 0, 400, 0, 0, 0, charset, 8, 0, 1, pitch,
                       face.encode("cp1252"))


def window_block():
    header = struct.pack("<2i4i3i4i4i12x", 441, 2, 20, 30, 600, 400, 0, 1, 0,
                         -39, 300, 100, 100, 0, 0, 10, 15)
    fonts = [(-16, "Courier New", 0, 0x31), (-13, "Symbol", 2, 0), (-13, "Courier New", 0, 1),
             (-11, "Courier New", 0, 1), (-16, "Times New Roman", 0, 2),
             (-13, "Times New Roman", 0, 2)] + [(-13, "Courier New", 0, 1)] * 4
    extras = struct.pack("<10i", 120, 100, 100, 80, 120, 100, 100, 100, 100, 100)
    descriptions = b"".join(font(*f) for f in fonts)
    colours = bytes(40)
    reserved = bytes(68)
    roles = struct.pack("<15h", *[4 if r in (4, 9) else 19 for r in range(15)])
    block = header + extras + descriptions + colours + reserved + roles
    assert len(block) == 858
    return block


def matrix_header(rows, cols, kind, width, decimals, scientific=0, notes=1):
    words = [0] * 20
    words[0], words[1], words[2], words[4], words[5] = rows, cols, kind, width, decimals
    words[9], words[13] = scientific, notes
    return struct.pack("<20i", *words)


def notes(text):
    data = text.encode("cp1252") + b"\0"
    return struct.pack("<h", len(data)) + data


def integer(value):
    digits = []
    magnitude = abs(value)
    while True:
        digits.append(magnitude % 10000)
        magnitude //= 10000
        if magnitude == 0:
            break
    return struct.pack("<iB", len(digits) - 1, 1 if value < 0 else 0) + struct.pack(
        "<%dH" % len(digits), *digits)


def write(target, name, data):
    with open(os.path.join(SEEDS, target, name), "wb") as out:
        out.write(data)


def main():
    block = window_block()
    reals = [1, Fraction(-5, 2), Fraction(1, 2), 3, 10**18, Fraction(-1, 8)]
    write("matrix_file_fuzzer", "real_2x3.fma",
          block + matrix_header(2, 3, 0, 9, 3, 1) + b"".join(map(extended, reals)) + notes("abc"))
    write("matrix_file_fuzzer", "complex_1x2.cma",
          block + matrix_header(1, 2, 3, 19, 2) +
          b"".join(map(extended, [Fraction(3, 2), -2, 0, Fraction(1, 2)])) + notes("ação"))
    write("matrix_file_fuzzer", "integer_2x2.ima",
          block + matrix_header(2, 2, 5, 8, 5) +
          b"".join(map(integer, [-123456789, 0, 10000, 7, 3])) + notes(""))
    write("matrix_file_fuzzer", "integer_1x1_no_notes.ima",
          block + matrix_header(1, 1, 5, 8, 5, notes=0) + integer(5) + integer(1))

    tail = struct.pack("<21i", 0, 10, 24, 6, 7, 3, 0, 10, 8, 13, 2, 14, *[0] * 9)
    tail += bytes(84 * 2 + 210 * 3 + 21 * 3)
    tail += b"/home/ana/mat1.fma".ljust(256, b"\0")
    assert len(tail) == 1201
    write("settings_file_fuzzer", "lorv.ini", block + tail)
    write("settings_file_fuzzer", "lv.ini", struct.pack("<4i3B", 10, 20, 800, 600, 1, 0, 0))

    write("paste_fuzzer", "five_lines", b"a 1 2\r\n3\r\n\r\nb\r\n-4.5 x 6\r\n")
    write("paste_fuzzer", "exponent", b"1e5")
    write("paste_fuzzer", "fields", b"1.5.2 3-4 - . -.5\t7/8\n\n+9 " + b"9" * 40)
    write("paste_fuzzer", "decimal_commas", b"1,5\t-2,25\r\n3;4,75\r\n")

    # The generator fields: a first byte choosing generator (low three bits),
    # an axis matrix (bit 8) and the mode (high bits), then the fields.
    generators = {
        "random_real": b"\x01" + b"3\n3\n-2.5\n1.5e1\n2+3i",
        "formula_complex": b"\x12" + b"2\n3\nsin(i*pi/(i+j))",
        "copy_column": b"\x2b" + b"1e-5\n",
        "unitary": b"\x24" + b"20",
        "rotation": b"\x05" + b"2.0\n1.0\n2.0\n60.0",
        "exact_rotation": b"\x26" + b"3\n6\n-2\n4\n3",
        "exact_rotation_axis": b"\x2e" + b"5\n0\n0\n4\n3",
        "integer_probability": b"\x21" + b"4\n5\n1\n10\n-7",
    }
    os.makedirs(os.path.join(SEEDS, "generator_fields_fuzzer"), exist_ok=True)
    for name, data in generators.items():
        write("generator_fields_fuzzer", name, data)


if __name__ == "__main__":
    main()
