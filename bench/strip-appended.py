#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that a build that solves equations changed nothing of what an older build wrote.

Reads two --batch outputs (JSON lines) of the same texts. Each new line must hold the old
line's keys with the same values, except that the new explanation may go on past the old one
(the solving narrative is appended); the new keys ("solution", "factored") are left out. Prints
the new lines with those parts taken off, so that they compare byte for byte with the old.
"""
import json
import sys

ADDED = ("solution", "factored")


def main(old_path, new_path):
    bad = 0
    with open(old_path, encoding="utf-8", errors="replace") as old_file, open(
        new_path, encoding="utf-8", errors="replace"
    ) as new_file:
        for number, (old_line, new_line) in enumerate(zip(old_file, new_file), 1):
            try:
                old = json.loads(old_line)
                new = json.loads(new_line)
            except ValueError:
                sys.stdout.write(new_line)
                continue
            explanation = old.get("explanation", "")
            if not new.get("explanation", "").startswith(explanation):
                bad += 1
                print(f"line {number}: the narrative does not start with the old one", file=sys.stderr)
            new["explanation"] = new.get("explanation", "")[: len(explanation)]
            for key in ADDED:
                new.pop(key, None)
            sys.stdout.write(json.dumps(new, ensure_ascii=False, separators=(",", ":")) + "\n")
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
