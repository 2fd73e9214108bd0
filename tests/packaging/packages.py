"""Where the packages and the files they are made from lie, and what every
test of them shares."""
import os
import pathlib
import re
import subprocess

from harness import ROOT

VERSION = "1.0.2.0"
WIN_TREE = pathlib.Path(os.environ.get("ZORVIK_WIN_TREE", ROOT / "build/win"))
DIST = pathlib.Path(os.environ.get("ZORVIK_DIST_DIR", ROOT / "build/dist"))
WORK = pathlib.Path(os.environ.get("ZORVIK_PACKAGING_WORK", ROOT / "build/packaging-wine"))
SETUP = DIST / f"Zorvik-{VERSION}-setup.exe"
DEB = DIST / f"zorvik_{VERSION}_all.deb"
GAME_EXE = WIN_TREE / "zorvik.exe"
ICON = WIN_TREE / "resources/generated/zorvik.ico"


def product_text(name):
    """A text of resources/Product.h, the one place the product's texts live."""
    header = (ROOT / "resources/Product.h").read_text()
    return re.search(rf'^#define ZORVIK_{name} "(.*)"$', header, re.M).group(1)


def command(*args, timeout=120, env=None):
    """Runs a Linux command to its end: (exit status, output and errors together)."""
    result = subprocess.run([str(a) for a in args], stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                            text=True, timeout=timeout, env=env)
    return result.returncode, result.stdout
