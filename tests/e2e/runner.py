#!/usr/bin/env python3
"""Runs the end-to-end tests (tests/e2e/test_*.py) with a per-test time limit
and writes RESULTS/e2e.json for the closing line of ./test.

    runner.py RESULTS [PATTERN [FOLDER]]

Another suite driven the same way passes its own FOLDER: its tests are found
there, may import this folder's harness, and its report is RESULTS/<folder
name>.json."""
import json
import pathlib
import signal
import sys
import time
import unittest

HERE = pathlib.Path(__file__).resolve().parent
TEST_LIMIT_SECONDS = 60


class TimeLimitedResult(unittest.TextTestResult):
    durations = []

    def startTest(self, test):
        self.started = time.monotonic()
        def expire(signum, frame):
            raise TimeoutError(f"{test.id()} took longer than {TEST_LIMIT_SECONDS}s")
        signal.signal(signal.SIGALRM, expire)
        signal.alarm(TEST_LIMIT_SECONDS)
        super().startTest(test)

    def stopTest(self, test):
        signal.alarm(0)
        self.durations.append((time.monotonic() - self.started, test.id()))
        super().stopTest(test)


def main():
    results = pathlib.Path(sys.argv[1])
    pattern = sys.argv[2] if len(sys.argv) > 2 else "test_*.py"
    folder = pathlib.Path(sys.argv[3]).resolve() if len(sys.argv) > 3 else HERE
    suite_name = folder.name
    sys.path.insert(0, str(HERE))
    sys.path.insert(0, str(folder))
    suite = unittest.defaultTestLoader.discover(str(folder), pattern=pattern, top_level_dir=str(folder))
    runner = unittest.TextTestRunner(verbosity=2, resultclass=TimeLimitedResult)
    outcome = runner.run(suite)
    for seconds, name in sorted(TimeLimitedResult.durations, reverse=True)[:5]:
        print(f"{seconds:6.1f} s  {name}")
    failed = len(outcome.failures) + len(outcome.errors)
    passed = outcome.testsRun - failed - len(outcome.skipped)
    results.mkdir(parents=True, exist_ok=True)
    (results / f"{suite_name}.json").write_text(json.dumps({"suite": suite_name, "passed": passed, "failed": failed}))
    return 0 if failed == 0 and outcome.testsRun > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
