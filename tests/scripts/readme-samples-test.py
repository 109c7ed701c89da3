#!/usr/bin/env python3
"""The documentation's samples are the files of samples/: every file there is
shown once in the documentation (README.md and docs/*.md), verbatim, in a
fenced block introduced by the line "File `samples/<path>`:", and every block
so introduced matches its file. Every relative link to a page
("](page.md)", "](docs/page.md)", "](../README.md)", each with an optional
"#anchor") names a page that exists, and the README links every page of
docs/.
The sample manifests name the project's assembly version.
Usage: readme-samples-test.py SOURCE_DIR ASSEMBLY_VERSION"""
import pathlib
import re
import sys

source = pathlib.Path(sys.argv[1])
version = sys.argv[2]
failures = []
passed = 0


def check(condition, message):
    global passed
    if condition:
        passed += 1
    else:
        failures.append(message)


pages = [source / "README.md"] + sorted((source / "docs").glob("*.md"))
shown = {}
for page in pages:
    where = page.relative_to(source).as_posix()
    lines = page.read_text(encoding="utf-8").split("\n")
    index = 0
    while index < len(lines):
        match = re.fullmatch(r"File `(samples/[^`]+)`:", lines[index])
        index += 1
        if not match:
            continue
        while index < len(lines) and lines[index] == "":
            index += 1
        if index >= len(lines) or not lines[index].startswith("```"):
            failures.append(f"{where}: {match.group(1)}: no fenced block after its line")
            continue
        end = index + 1
        while end < len(lines) and lines[end] != "```":
            end += 1
        name = match.group(1)
        first = shown.get(name, (where,))[0]
        check(name not in shown, f"{name} is shown twice, in {first} and {where}")
        shown[name] = (where, "\n".join(lines[index + 1 : end]) + "\n")
        index = end + 1

files = sorted(p.relative_to(source).as_posix() for p in (source / "samples").rglob("*") if p.is_file())
check(len(files) > 0, "no files in samples/")
for name in files:
    text = (source / name).read_text(encoding="utf-8")
    if name not in shown:
        failures.append(f"{name} is not shown in the documentation")
        continue
    check(shown[name][1] == text, f"{shown[name][0]}: its {name} differs from the file")
for name, (where, _) in shown.items():
    check(name in files, f"{where} shows {name}, which is not a file of samples/")

# Relative links between the pages name pages that exist; the README links
# every page of docs/.
linked_from_readme = set()
for page in pages:
    where = page.relative_to(source).as_posix()
    for target in re.findall(r"\]\(([^()#\s:]+\.md)(?:#[^()\s]*)?\)", page.read_text(encoding="utf-8")):
        resolved = (page.parent / target).resolve()
        check(resolved.is_file(), f"{where} links {target}, which does not exist")
        if page == pages[0]:
            linked_from_readme.add(resolved)
for page in pages[1:]:
    check(page.resolve() in linked_from_readme, f"README.md does not link {page.relative_to(source).as_posix()}")

for arch in ("x86", "amd64"):
    name = f"samples/cpp/hello-{arch}.manifest"
    path = source / name
    text = path.read_text(encoding="utf-8") if path.exists() else ""
    identity = f'name="Quillnote" version="{version}" processorArchitecture="{arch}"'
    check(identity in text, f"{name} does not depend on the Quillnote assembly {version} for {arch}")
    check(text.count(f'processorArchitecture="{arch}"') == 2, f"{name}: the program is not {arch} as well")

for failure in failures:
    print("FAIL", failure)
print(f"{passed} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
