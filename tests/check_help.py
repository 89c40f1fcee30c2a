#!/usr/bin/env python3
"""Reads help.chm back with extract_chmLib and checks that every context
number of the program's pages and dialogs (ui/HelpTopics.h) opens a topic
stored in the file.

  check_help.py HELP_CHM HELP_TOPICS_H
"""
import os
import re
import struct
import subprocess
import sys
import tempfile

def read_contexts(header):
    """The context numbers of the program's table, each with what shows it."""
    text = open(header, encoding="utf-8").read()
    contexts = {}
    for page, save, print_, name in re.findall(r"\{(\d+), (\d+), (\d+)\},\s*// (\w+)", text):
        contexts[int(page)] = f"{name} page"
        contexts[int(save)] = f"save, {name}"  # the File row first: Number names its dialogs
        contexts[int(print_)] = f"print, {name}"
    for name, number in re.findall(r"constexpr int k(\w+)Help = (\d+);", text):
        contexts[int(number)] = name
    return contexts


def main(chm, header):
    contexts = read_contexts(header)
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
        for context, what in sorted(contexts.items()):
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
        print(f"{len(contexts) - failures} passed, {failures} failed")
        return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
