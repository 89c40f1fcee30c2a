#!/usr/bin/env python3
"""Reads help.chm back with extract_chmLib and checks that every context
number of the program's pages and dialogs opens a topic stored in the file."""
import os
import struct
import subprocess
import sys
import tempfile

CONTEXTS = {58: "Random Number page", 71: "Lottery page", 800: "Sampling page", 421: "String page",
            900: "Name page", 700: "File page", 23: "save, numbers", 232: "save, strings",
            87: "save, samples", 654: "save, names", 72: "save, lottery", 24: "print, numbers",
            242: "print, strings", 88: "print, samples", 312: "print, names", 73: "print, lottery",
            30: "about box", 95: "distribution chart"}


def main(chm):
    with tempfile.TemporaryDirectory() as out:
        subprocess.run(["extract_chmLib", chm, out], check=True, stdout=subprocess.DEVNULL)
        ivb = open(os.path.join(out, "#IVB"), "rb").read()
        strings = open(os.path.join(out, "#STRINGS"), "rb").read()
        (size,) = struct.unpack_from("<I", ivb, 0)
        mapping = {}
        for at in range(4, 4 + size, 8):
            context, offset = struct.unpack_from("<II", ivb, at)
            mapping[context] = strings[offset:strings.index(b"\0", offset)].decode()
        failures = 0
        for context, what in sorted(CONTEXTS.items()):
            topic = mapping.get(context)
            path = os.path.join(out, topic.lstrip("/")) if topic else None
            if not topic or not os.path.isfile(path):
                print(f"FAIL context {context} ({what}): topic {topic!r} is not in the file")
                failures += 1
                continue
            text = open(path, encoding="utf-8").read()
            if "<h1>" not in text or len(text) < 200:
                print(f"FAIL context {context} ({what}): {topic} has no content")
                failures += 1
            else:
                print(f"ok   context {context} ({what}): {topic}")
        print(f"{len(CONTEXTS) - failures} passed, {failures} failed")
        return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
