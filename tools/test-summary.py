#!/usr/bin/env python3
"""Adds up every suite's report into the one closing line of ./test.

GoogleTest reports (one XML per test executable) count their test cases; a
ctest entry that failed without a report of failures (it crashed, hung or
could not start) counts as one failed test. Other suites leave a JSON file
{"suite": ..., "passed": N, "failed": N} in the results folder. A report
named with --expect that is missing (its suite could not start) counts as
one failed test.
"""
import argparse
import json
import pathlib
import sys
import xml.etree.ElementTree as ET


def gtest_counts(report):
    root = ET.parse(report).getroot()
    tests = int(root.get("tests", 0)) - int(root.get("disabled", 0))
    failed = int(root.get("failures", 0)) + int(root.get("errors", 0))
    skipped = sum(1 for _ in root.iter("skipped"))
    return tests - failed - skipped, failed


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("results", type=pathlib.Path)
    parser.add_argument("report_dirs", type=pathlib.Path, nargs="*")
    parser.add_argument("--expect", action="append", default=[], help="a report in RESULTS every run must leave")
    args = parser.parse_args()
    results, report_dirs = args.results, args.report_dirs
    passed = failed = 0
    for name in args.expect:
        if not (results / name).exists():
            print(f"no report {name}: its suite did not run")
            failed += 1
    reported_failures = {}
    for folder in report_dirs:
        for report in sorted(folder.glob("*.xml")):
            try:
                p, f = gtest_counts(report)
            except ET.ParseError:
                p, f = 0, 1
            passed += p
            failed += f
            reported_failures[(folder, report.stem)] = f
    for tree, folder in (("host", "build/host/gtest-reports"), ("win", "build/win/gtest-reports")):
        junit = results / f"ctest-{tree}.xml"
        if not junit.exists():
            continue
        for case in ET.parse(junit).getroot().iter("testcase"):
            if case.get("status") == "run" and case.find("failure") is None:
                continue
            if reported_failures.get((pathlib.Path(folder), case.get("name")), 0) == 0:
                print(f"{tree}: {case.get('name')} failed without a test report")
                failed += 1
    for extra in sorted(results.glob("*.json")):
        data = json.loads(extra.read_text())
        passed += int(data.get("passed", 0))
        failed += int(data.get("failed", 0))
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
