#!/usr/bin/env python3
"""Checks the manual's sources and, when given, the compiled help file.

  check_help.py HELP_FOLDER [CHM_FILE]

Sources: every page and picture is in the project's file list, every page
is in the table of contents, every entry of the contents and the index
names a page that exists, and every link and picture of every page
reaches a file (and an anchor) that exists.  Compiled file: chmls lists
every page of the table of contents.  Prints one line per fault and ends
with 'N passed, N failed'.
"""
import html.parser
import os
import re
import subprocess
import sys
import urllib.parse


class Page(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.links, self.ids = [], set()

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if "id" in attrs:
            self.ids.add(attrs["id"])
        for name in ("href", "src"):
            if attrs.get(name):
                self.links.append(attrs[name])


def sitemap_locals(path):
    with open(path, encoding="utf-8") as f:
        return re.findall(r'<param name="Local" value="([^"]+)">', f.read(), re.IGNORECASE)


def project_files(path):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    section = text.split("[FILES]", 1)[1]
    return {line.strip() for line in section.splitlines() if line.strip() and not line.startswith("[")}


def main():
    folder = sys.argv[1]
    chm = sys.argv[2] if len(sys.argv) > 2 else None
    faults, checks = [], 0

    def check(ok, fault):
        nonlocal checks
        checks += 1
        if not ok:
            faults.append(fault)

    listed = project_files(os.path.join(folder, "Vorndel.hhp"))
    contents = sitemap_locals(os.path.join(folder, "Vorndel.hhc"))
    index = sitemap_locals(os.path.join(folder, "Vorndel.hhk"))
    pages = sorted(name for name in os.listdir(folder) if name.endswith(".html"))
    pictures = sorted("images/" + name for name in os.listdir(os.path.join(folder, "images")))

    for name in pages + pictures:
        check(name in listed, f"{name}: not in the project's [FILES]")
    for name in pages:
        check(name in contents, f"{name}: not in the table of contents")
    for name in listed:
        check(os.path.isfile(os.path.join(folder, name)), f"Vorndel.hhp lists {name}, which does not exist")
    for source, entries in (("Vorndel.hhc", contents), ("Vorndel.hhk", index)):
        for name in entries:
            check(name in pages, f"{source} names {name}, which is no page")

    anchors, links = {}, {}
    for name in pages:
        parser = Page()
        with open(os.path.join(folder, name), encoding="utf-8") as f:
            parser.feed(f.read())
        anchors[name], links[name] = parser.ids, parser.links
    for name in pages:
        for link in links[name]:
            parts = urllib.parse.urlsplit(link)
            if parts.scheme:
                continue
            target = parts.path or name
            check(os.path.isfile(os.path.join(folder, target)), f"{name}: link to missing {target}")
            if parts.fragment:
                check(parts.fragment in anchors.get(target, set()), f"{name}: link to missing anchor {link}")

    if chm:
        listing = subprocess.run(["chmls", "-n", "list", chm], capture_output=True, text=True)
        check(listing.returncode == 0, f"chmls failed: {listing.stderr.strip()}")
        inside = {line.strip().lstrip("/") for line in listing.stdout.splitlines()}
        for name in contents:
            check(name in inside, f"{chm}: chmls does not list {name}")

    for fault in faults:
        print(fault)
    print(f"{checks - len(faults)} passed, {len(faults)} failed")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
