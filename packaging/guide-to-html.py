#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the user's guide into web pages that a browser shows with their
pictures, for the packages: each Markdown page given becomes a page of the
same name under OUT (README.md as OUT/README.html, docs/admin.zh.md as
OUT/docs/admin.zh.html), and the pictures it shows or links to are copied
beside it. A link to another page given leads to its web page; a link to a
file the guide does not carry (the developers' notes) keeps its words and
loses its address. Runs on Debian's python3-markdown.

  guide-to-html.py SOURCE_DIR OUT_DIR PAGE[=NAME]...

A page given as PAGE=NAME becomes OUT/NAME instead (README.md=使用说明.html
for Windows, where the guide sits beside the program), and the other pages'
links lead there.
"""
import posixpath
import re
import shutil
import sys
from pathlib import Path

import markdown
from markdown.extensions import Extension
from markdown.extensions.toc import TocExtension
from markdown.treeprocessors import Treeprocessor

PICTURES = (".png", ".jpg", ".jpeg", ".gif", ".svg")

STYLE = """
body { max-width: 60em; margin: 2em auto; padding: 0 1em; line-height: 1.6;
       font-family: "Noto Sans CJK SC", "Microsoft YaHei", sans-serif; }
img { max-width: 100%; }
table { border-collapse: collapse; margin: 1em 0; }
th, td { border: 1px solid #bbb; padding: 0.3em 0.6em; vertical-align: top; }
th { background: #eee; }
code, pre { background: #f4f4f4; font-family: monospace; }
pre { padding: 0.6em; overflow-x: auto; }
"""


def github_anchor(text, separator):
    """The anchors GitHub gives headings, which the pages' own links use:
    lower case, letters and digits of any script kept, each blank a hyphen."""
    return re.sub(r"[^\w\- ]", "", text.strip().lower()).replace(" ", separator)


class Links(Treeprocessor):
    def __init__(self, md, page, pages, pictures):
        super().__init__(md)
        self.page = page
        self.pages = pages
        self.pictures = pictures

    def target(self, address):
        """The file of the guide that `address` leads to, from the source's
        top folder, or None for an address elsewhere or in this page."""
        if re.match(r"^[a-z][a-z0-9+.-]*:", address) or address.startswith("#"):
            return None
        path = address.split("#", 1)[0]
        return posixpath.normpath(posixpath.join(posixpath.dirname(self.page), path))

    def run(self, root):
        for element in root.iter():
            if element.tag == "img":
                self.pictures.add(self.target(element.get("src")))
            if element.tag != "a" or self.target(element.get("href", "#")) is None:
                continue
            address = element.get("href")
            target = self.target(address)
            if target in self.pages:
                _, hash_, anchor = address.partition("#")
                here = posixpath.dirname(self.pages[self.page]) or "."
                element.set("href", posixpath.relpath(self.pages[target], here) + hash_ + anchor)
            elif target.lower().endswith(PICTURES):
                self.pictures.add(target)
            else:
                element.tag = "span"
                del element.attrib["href"]


class GuideLinks(Extension):
    def __init__(self, page, pages, pictures):
        super().__init__()
        self.args = (page, pages, pictures)

    def extendMarkdown(self, md):
        md.treeprocessors.register(Links(md, *self.args), "guide_links", 0)


def convert(source, out, page, pages, pictures):
    text = (source / page).read_text(encoding="utf-8")
    converter = markdown.Markdown(
        extensions=[
            "tables",
            "fenced_code",
            TocExtension(slugify=github_anchor),
            GuideLinks(page, pages, pictures),
        ]
    )
    body = converter.convert(text)
    heading = re.search(r"^# (.+)$", text, re.MULTILINE)
    title = heading.group(1) if heading else page
    language = "en" if ".en." in page else "zh-CN"
    html = (
        f'<!DOCTYPE html>\n<html lang="{language}">\n<head>\n<meta charset="utf-8">\n'
        f'<meta name="viewport" content="width=device-width, initial-scale=1">\n'
        f"<title>{markdown.util.code_escape(title)}</title>\n<style>{STYLE}</style>\n"
        f"</head>\n<body>\n{body}\n</body>\n</html>\n"
    )
    target = out / pages[page]
    target.parent.mkdir(parents=True, exist_ok=True)
    target.write_text(html, encoding="utf-8")


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    source, out = Path(sys.argv[1]), Path(sys.argv[2])
    pages = {}
    for argument in sys.argv[3:]:
        page, _, name = argument.partition("=")
        pages[page] = name or page[: -len(".md")] + ".html"
    pictures = set()
    for page in pages:
        convert(source, out, page, pages, pictures)
    for picture in sorted(pictures):
        if not (source / picture).is_file():
            sys.exit(f"{picture}: no such picture, shown in the guide")
        (out / picture).parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(source / picture, out / picture)


if __name__ == "__main__":
    main()
