#!/usr/bin/env python3
"""Counts the results in ctest's JUnit files: prints "passed failed skipped"
for the files given (a missing or unreadable file counts as one failure)."""
import sys
import xml.etree.ElementTree as ET

passed = failed = skipped = 0
for path in sys.argv[1:]:
    try:
        root = ET.parse(path).getroot()
    except (OSError, ET.ParseError):
        failed += 1
        continue
    for case in root.iter("testcase"):
        status = case.get("status", "")
        if case.find("failure") is not None or case.find("error") is not None or status == "fail":
            failed += 1
        elif case.find("skipped") is not None or status in ("notrun", "disabled"):
            skipped += 1
        else:
            passed += 1
print(passed, failed, skipped)
