#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Names every test that did not run, and why, from CTest's JUnit reports
(ctest --output-junit), and fails where there is one: a test skipped for a
missing tool is no pass. A test says why it skipped in a line of its own
output that begins with "SKIPPED:".
Usage: scripts/not-run.py REPORT.xml ..."""
import sys
import xml.etree.ElementTree as ElementTree

not_run = []
for report in sys.argv[1:]:
    for case in ElementTree.parse(report).getroot().iter("testcase"):
        if case.find("skipped") is None and case.get("status") not in ("notrun", "disabled"):
            continue
        output = case.findtext("system-out") or ""
        reasons = [line for line in output.splitlines() if line.startswith("SKIPPED:")]
        reason = reasons[-1][len("SKIPPED:"):].strip() if reasons else "no reason given"
        not_run.append(f"{case.get('name')}: {reason}")

if not_run:
    print(f"{len(not_run)} tests did not run:")
    for line in not_run:
        print(f"  {line}")
    sys.exit(1)
