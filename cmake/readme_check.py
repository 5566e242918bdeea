#!/usr/bin/env python3
"""Checks that a Markdown page renders as written: readme_check.py PAGE.md

Renders the page with cmark-gfm (GitHub's dialect, with tables) and compares the rendering
with the source: every heading of the source outside code blocks is a heading of the same
level and text in the rendering, every fenced code block is one code block, and every
picture the page shows exists beside it.  A code fence that loses its place (inside a list
item, say) swallows what follows and fails here.  Exits 77 (skipped) without cmark-gfm.
"""
import html
import os
import re
import shutil
import subprocess
import sys

FENCE = re.compile(r"^ *(`{3,}|~{3,})")
HEADING = re.compile(r"^ {0,3}(#{1,6})\s+(.*?)\s*#*\s*$")
IMAGE = re.compile(r"!\[[^\]]*\]\(([^)\s]+)")


def plain(text):
    """Text of a heading without markup: inline code marks, emphasis and tags removed."""
    text = re.sub(r"<[^>]+>", "", text)
    return html.unescape(text.replace("`", "").replace("*", "")).strip()


def source_parts(lines):
    headings, fences, fence = [], 0, None
    for line in lines:
        opening = FENCE.match(line)
        if fence is not None:
            if opening and opening.group(1)[0] == fence[0] and len(opening.group(1)) >= len(fence):
                fence = None
            continue
        if opening:
            fence, fences = opening.group(1), fences + 1
            continue
        heading = HEADING.match(line)
        if heading:
            headings.append((len(heading.group(1)), plain(heading.group(2))))
    return headings, fences


def main():
    page = sys.argv[1]
    program = shutil.which("cmark-gfm")
    if program is None:
        print("SKIPPED: cmark-gfm is not installed (Debian package cmark-gfm)")
        return 77
    with open(page, encoding="utf-8") as f:
        text = f.read()
    rendered = subprocess.run([program, "-e", "table", page], check=True, capture_output=True,
                              text=True).stdout
    headings, fences = source_parts(text.splitlines())
    shown = [(int(level), plain(body))
             for level, body in re.findall(r"<h([1-6])[^>]*>(.*?)</h\1>", rendered, re.S)]
    problems = []
    if shown != headings:
        missing = [h for h in headings if h not in shown]
        extra = [h for h in shown if h not in headings]
        problems.append(f"{len(headings)} headings written, {len(shown)} rendered; "
                        f"not rendered: {missing}; rendered but not written: {extra}")
    blocks = rendered.count("<pre")
    if blocks != fences:
        problems.append(f"{fences} fenced code blocks written, {blocks} rendered")
    folder = os.path.dirname(os.path.abspath(page))
    for target in IMAGE.findall(text):
        if "://" not in target and not os.path.isfile(os.path.join(folder, target)):
            problems.append(f"picture {target} does not exist")
    for problem in problems:
        print(f"{page}: {problem}")
    if not problems:
        print(f"{page}: {len(headings)} headings, {fences} code blocks, all rendered")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
