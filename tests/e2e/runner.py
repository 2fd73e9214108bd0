#!/usr/bin/env python3
"""Runs the end-to-end tests (tests/e2e/test_*.py) with a per-test time limit
and writes RESULTS/e2e.json for the closing line of ./test."""
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
    sys.path.insert(0, str(HERE))
    suite = unittest.defaultTestLoader.discover(str(HERE), pattern=pattern, top_level_dir=str(HERE))
    runner = unittest.TextTestRunner(verbosity=2, resultclass=TimeLimitedResult)
    outcome = runner.run(suite)
    for seconds, name in sorted(TimeLimitedResult.durations, reverse=True)[:5]:
        print(f"{seconds:6.1f} s  {name}")
    failed = len(outcome.failures) + len(outcome.errors)
    passed = outcome.testsRun - failed - len(outcome.skipped)
    results.mkdir(parents=True, exist_ok=True)
    (results / "e2e.json").write_text(json.dumps({"suite": "e2e", "passed": passed, "failed": failed}))
    return 0 if failed == 0 and outcome.testsRun > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
