#!/usr/bin/env python3
"""Prints the version resource of a Windows executable, one line a value, for tests to compare.

Usage: version_resource.py PROGRAM.exe

wrestool (icoutils) takes the VS_VERSIONINFO resource out of the file; this reads its tree of
blocks (each a length, a value length, a type, a UTF-16 key and, aligned to 4 bytes, its value and
its children):
    fixed FILEVERSION PRODUCTVERSION        from VS_FIXEDFILEINFO, as a.b.c.d
    BLOCK KEY=VALUE                         each string of each language block, e.g. 080404b0
    Translation LANG/CODEPAGE ...           the languages VarFileInfo lists, in hexadecimal
Exits 1 with a message when the program has no version resource or it is malformed.
"""
import struct
import subprocess
import sys


def fail(message):
    print(f"version_resource: {message}", file=sys.stderr)
    sys.exit(1)


def align(offset):
    return (offset + 3) & ~3


def parse(data, offset, end):
    """One block at offset: (key, value bytes, is_text, children, next offset)."""
    if offset + 6 > end:
        fail(f"a block at {offset} runs past its parent's end {end}")
    length, value_length, kind = struct.unpack_from("<HHH", data, offset)
    block_end = offset + length
    if length < 6 or block_end > end:
        fail(f"a block at {offset} has length {length}, past its parent's end {end}")
    key_end = offset + 6
    while key_end + 1 < block_end and data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[offset + 6:key_end].decode("utf-16-le")
    value_start = align(key_end + 2)
    value_size = value_length * 2 if kind == 1 else value_length
    value = data[value_start:value_start + value_size]
    children = []
    child = align(value_start + value_size)
    while child < block_end:
        children.append(parse(data, child, block_end))
        child = align(children[-1][4])
    return key, value, kind == 1, children, block_end


def version(high, low):
    return f"{high >> 16}.{high & 0xFFFF}.{low >> 16}.{low & 0xFFFF}"


def main():
    if len(sys.argv) != 2:
        fail("usage: version_resource.py PROGRAM.exe")
    run = subprocess.run(["wrestool", "-x", "--raw", "--type=16", sys.argv[1]],
                         capture_output=True, check=False)
    if run.returncode != 0 or not run.stdout:
        fail(f"{sys.argv[1]} has no version resource: {run.stderr.decode(errors='replace').strip()}")
    data = run.stdout
    key, value, _, children, _ = parse(data, 0, len(data))
    if key != "VS_VERSION_INFO" or len(value) < 52:
        fail(f"the resource is no VS_VERSION_INFO (key {key!r}, {len(value)} bytes of fixed data)")
    signature, _, file_high, file_low, product_high, product_low = struct.unpack_from("<6I", value)
    if signature != 0xFEEF04BD:
        fail(f"the fixed data's signature is {signature:#x}, not 0xfeef04bd")
    print("fixed", version(file_high, file_low), version(product_high, product_low))
    for name, _, _, blocks, _ in children:
        for block, _, _, entries, _ in blocks:
            if name == "StringFileInfo":
                for entry, text, _, _, _ in entries:
                    print(f"{block} {entry}={text.decode('utf-16-le').rstrip(chr(0))}")
        if name == "VarFileInfo":
            for var, pairs, _, _, _ in blocks:
                words = struct.unpack(f"<{len(pairs) // 2}H", pairs)
                print(var, " ".join(f"{words[i]:04x}/{words[i + 1]:04x}"
                                    for i in range(0, len(words) - 1, 2)))


main()
