#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that every relative link and picture of the Markdown files at the
top (the READMEs) and in docs/ leads to a file of the source tree, and every #anchor to a heading there.

    tests/packaging/test_doclinks.py SOURCE_DIR
"""
import re
import sys
from pathlib import Path

LINK = re.compile(r"!?\[[^\]]*\]\(([^)\s]+)\)|<img [^>]*src=\"([^\"]+)\"")


def without_code(text):
    """The text with fenced code blocks and inline code taken out."""
    text = re.sub(r"^```.*?^```", "", text, flags=re.S | re.M)
    return re.sub(r"`[^`\n]*`", "", text)


def anchors(path):
    """The anchors GitHub gives the file's headings."""
    seen = {}
    result = set()
    for line in without_code(path.read_text(encoding="utf-8")).splitlines():
        heading = re.match(r"#+\s+(.*)", line)
        if not heading:
            continue
        slug = re.sub(r"[^\w\- ]", "", heading.group(1).strip().lower()).replace(" ", "-")
        count = seen.get(slug, 0)
        seen[slug] = count + 1
        result.add(slug if count == 0 else f"{slug}-{count}")
    return result


def main():
    root = Path(sys.argv[1]).resolve()
    documents = [*sorted(root.glob("*.md")), *sorted((root / "docs").glob("*.md"))]
    failures = []
    for document in documents:
        for match in LINK.finditer(without_code(document.read_text(encoding="utf-8"))):
            target = match.group(1) or match.group(2)
            if re.match(r"[a-z]+:", target):
                continue  # a web address or mail address, not a file
            name, _, anchor = target.partition("#")
            linked = (document.parent / name).resolve() if name else document
            where = f"{document.relative_to(root)}: {target}"
            if not linked.exists() or root not in [linked, *linked.parents]:
                failures.append(f"{where}: no such file in the source tree")
            elif anchor and linked.suffix == ".md" and anchor not in anchors(linked):
                failures.append(f"{where}: no such heading")
    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    print(f"{len(documents)} documents checked, {len(failures)} broken link(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
