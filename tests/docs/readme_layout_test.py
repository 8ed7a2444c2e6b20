#!/usr/bin/env python3
"""The README's layout names every source folder that exists, and no folder
that does not: a reader finds the code where the README says it is."""
import pathlib
import re
import sys


def main(root: pathlib.Path) -> int:
    readme = (root / "README.md").read_text(encoding="utf-8")
    block = readme.split("## Layout", 1)[1].split("```", 2)[1]
    named = set()
    parent = None
    for line in block.splitlines():
        top = re.match(r"^(src/\w+)/\s", line)
        if top:
            parent = top.group(1)
            named.add(parent)
            continue
        sub = re.match(r"^  (\w+)/\s", line)
        if sub and parent:
            named.add(f"{parent}/{sub.group(1)}")
    existing = {"src/core", "src/ui"}
    for layer in ("core", "ui"):
        for folder in (root / "src" / layer).iterdir():
            if folder.is_dir():
                existing.add(f"src/{layer}/{folder.name}")
    problems = []
    for folder in sorted(existing - named):
        problems.append(f"README layout does not name {folder}/")
    for folder in sorted(named - existing):
        problems.append(f"README layout names {folder}/, which does not exist")
    if "(later)" in block:
        problems.append("README layout still calls something 'later'")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(pathlib.Path(sys.argv[1])))
