"""The harness itself, proven on a tiny window of its own."""
import os
import pathlib
import tempfile
import unittest

from harness import (E2EError, Screenshot, WineProgram, click_screen, find_buttons, find_window,
                     press_key, wait_until, window_gone, windows_path)

PROBE = pathlib.Path(os.environ["ZORVIK_WIN_TREE"]) / "tests/e2e/e2e_probe.exe"
GREEN, RED = (20, 200, 20), (220, 20, 20)


class ProbeWindow(unittest.TestCase):
    def setUp(self):
        self.log = pathlib.Path(tempfile.mkdtemp()) / "clicks.txt"
        self.program = WineProgram(PROBE, windows_path(self.log))
        self.addCleanup(self.program.stop)
        self.window = self.program.start_window("^Sonda di prova$")
        self.origin = self.window.client_origin(320, 200)

    def test_click_lands_at_the_client_position_and_repaints(self):
        ox, oy = self.origin
        wait_until(lambda: Screenshot().pixel(ox + 160, oy + 100) == GREEN, 10, what="green client")
        click_screen(ox + 50, oy + 60)
        wait_until(self.log.exists, 10, what="the click log")
        self.assertEqual(self.log.read_bytes(), b"50 60\r\n")
        shot = wait_until(lambda: (s := Screenshot()).pixel(ox, oy) == RED and s, 10, what="red")
        self.assertEqual(shot.pixel(ox + 319, oy + 199), RED)
        self.assertNotEqual(shot.pixel(ox - 1, oy - 1), RED, "the frame is outside the client area")

    def test_message_box_answered_by_clicking_ends_the_program(self):
        click_screen(self.origin[0] + 10, self.origin[1] + 10)  # give the probe the focus
        self.window.wait_focus()
        press_key("Escape")
        box = find_window("^Sonda$")
        no = find_buttons(box)[1]
        click_screen(*no)
        wait_until(lambda: window_gone("^Sonda$"), 10, what="the box to close on No")
        self.assertTrue(self.program.running())
        self.window.activate()
        press_key("Escape")
        box = find_window("^Sonda$")
        click_screen(*find_buttons(box)[0])
        self.assertEqual(self.program.wait_exit(20), 0)

    def test_waits_are_bounded(self):
        with self.assertRaises(E2EError):
            find_window("^no such window$", timeout=1)


if __name__ == "__main__":
    unittest.main()
