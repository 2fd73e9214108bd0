"""The Linux processes of one Wine prefix, read from /proc: which of them
run a given Windows program, which is the prefix's wineserver, and what
CPU time and resident memory each has used."""
import os
import pathlib
import signal

_TICKS = os.sysconf("SC_CLK_TCK")


def _read(pid, name):
    try:
        return (pathlib.Path("/proc") / str(pid) / name).read_bytes()
    except OSError:
        return b""


def prefix_processes(prefix):
    """{pid: command line} of this user's processes started for `prefix`."""
    wanted = b"WINEPREFIX=" + os.fsencode(str(prefix))
    found = {}
    for entry in pathlib.Path("/proc").iterdir():
        if not entry.name.isdigit():
            continue
        pid = int(entry.name)
        try:
            if entry.stat().st_uid != os.getuid():
                continue
        except OSError:
            continue
        if wanted not in _read(pid, "environ").split(b"\0"):
            continue
        found[pid] = _read(pid, "cmdline").replace(b"\0", b" ").decode("latin-1").strip()
    return found


def _parent(pid):
    stat = _read(pid, "stat").decode("latin-1")
    return int(stat[stat.rindex(")") + 2:].split()[1]) if stat else 0


def program_pids(prefix, launcher_pid, exe_name):
    """The processes running the Windows program `exe_name` (a file name)
    that the launcher `wine` process became or started: nothing else, even
    where another process names the same program."""
    name = exe_name.lower()
    found = []
    for pid, command in prefix_processes(prefix).items():
        if name not in command.lower() or "wineserver" in command or pid == os.getpid():
            continue
        up = pid
        while up > 1 and up != launcher_pid:
            up = _parent(up)
        if up == launcher_pid:
            found.append(pid)
    return sorted(found)


def wineserver_pids(prefix):
    return sorted(pid for pid, command in prefix_processes(prefix).items()
                  if os.path.basename(command.split(" ")[0]).startswith("wineserver"))


def cpu_seconds(pids):
    """User plus system time of the processes, in seconds (a process that has
    ended counts nothing)."""
    total = 0
    for pid in pids:
        stat = _read(pid, "stat").decode("latin-1")
        if not stat:
            continue
        fields = stat[stat.rindex(")") + 2:].split()
        total += int(fields[11]) + int(fields[12])  # utime, stime
    return total / _TICKS


def resident_mib(pids):
    total_kib = 0
    for pid in pids:
        for line in _read(pid, "status").decode("latin-1").splitlines():
            if line.startswith("VmRSS:"):
                total_kib += int(line.split()[1])
    return total_kib / 1024


def end_program(process, prefix, exe_name):
    """Ends a program this bench started (its own processes, by id) and waits
    for the launcher."""
    for pid in program_pids(prefix, process.pid, exe_name):
        try:
            os.kill(pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
    try:
        process.wait(timeout=15)
    except Exception:
        process.kill()
        process.wait(timeout=5)
