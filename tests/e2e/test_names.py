"""Names and folders outside ASCII, driven from outside: a name typed with
letters the leaderboard file cannot hold, and players whose profile folder
is named in Cyrillic or Polish letters."""
import os
import re
import shutil
import unittest

from harness import ROOT, add_keys, press_key, type_keys, type_text, wait_until, window_gone
from test_leaderboard import banner_has_text, lose_a_game
from zorvik import NAME_WINDOW, SCORE_FILE, Game, GameTest

PRINTABLE_LATIN1 = re.compile(rb"[\x20-\x7e\xa0-\xff]*")


def lines_of(content):
    """The file's lines; every one must end in CR LF."""
    assert content.endswith(b"\r\n"), content
    return content[:-2].split(b"\r\n")


TYPED = "Бnicoжlò東Я"


class NameOutsideLatin1(GameTest):
    no_scores = True

    def prepare(self):
        # Keys for the letters before the game reads the keyboard at its start.
        add_keys(TYPED)

    def test_letters_the_file_cannot_hold_never_reach_it(self):
        lose_a_game(self.game, 7)
        # Cyrillic and CJK letters around an accented Latin name, typed as
        # keys of a keyboard that has them.
        type_keys(TYPED)
        press_key("Return")
        wait_until(lambda: window_gone(NAME_WINDOW), 10, what="Enter to close the name window")
        content = wait_until(lambda: SCORE_FILE.exists() and SCORE_FILE.read_bytes(), 10, what="the file")
        (line,) = lines_of(content)
        self.assertTrue(PRINTABLE_LATIN1.fullmatch(line), line)
        self.assertRegex(line, rb"^\d{8} NICOL\xd2       Livello \d+$")


class ProfileFolderOutsideAscii(unittest.TestCase):
    """Wine names the profile folder after USER: a prefix copied from the
    suite's booted template makes C:\\users\\<USER> on its first start."""

    def play_as(self, user):
        base = ROOT / "build" / "e2e-users" / user.encode("unicode_escape").decode("ascii").replace("\\", "")
        shutil.rmtree(base, ignore_errors=True)
        base.mkdir(parents=True)
        shutil.copytree(ROOT / "build/wine-template/prefix", base / "prefix", symlinks=True)
        self.addCleanup(shutil.rmtree, base, True)
        saved = {key: os.environ.get(key) for key in ("WINEPREFIX", "USER", "LOGNAME")}

        def restore():
            for key, value in saved.items():
                if value is None:
                    os.environ.pop(key, None)
                else:
                    os.environ[key] = value
        self.addCleanup(restore)
        os.environ.update(WINEPREFIX=str(base / "prefix"), USER=user, LOGNAME=user)

        game = Game()
        self.addCleanup(game.stop)
        game.start()
        lose_a_game(game, 11)
        type_text("anna")
        press_key("Return")
        wait_until(lambda: window_gone(NAME_WINDOW), 10, what="Enter to close the name window")
        score_file = base / "prefix/drive_c/users" / user / "AppData/Local/Zorvik/Score/Classifica.txt"
        content = wait_until(lambda: score_file.exists() and score_file.read_bytes(), 10,
                             what=f"the file under {user}'s own profile")
        (line,) = lines_of(content)
        self.assertRegex(line, rb"^\d{8} ANNA {9}Livello \d+$")
        self.assertEqual(sorted(p.name for p in (score_file.parent).iterdir()), ["Classifica.txt"])
        wait_until(lambda: banner_has_text(game), 12, 0.5, "the banner to show the line")

    def test_a_cyrillic_user_name(self):
        self.play_as("Дмитрий")

    def test_a_polish_user_name(self):
        self.play_as("Łukasz")
