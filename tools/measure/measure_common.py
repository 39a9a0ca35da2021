#!/usr/bin/env python3
"""What the measuring scripts share: the monotonic clock, the CPU and memory counters of a
process, stopping a process, a private X server, and finding a program's main window.

Used by measure_window.py and measure_sound.py.
"""

import mmap
import os
import signal
import subprocess
import time

SCREEN = (1280, 1024)


def now_ns():
    return time.monotonic_ns()


# ---------------------------------------------------------------- processes

def cpu_ns(pid):
    """CPU time of every live thread of pid, in nanoseconds (scheduler statistics)."""
    total = 0
    try:
        for tid in os.listdir(f"/proc/{pid}/task"):
            try:
                with open(f"/proc/{pid}/task/{tid}/schedstat") as f:
                    total += int(f.read().split()[0])
            except (FileNotFoundError, ProcessLookupError):
                pass
    except FileNotFoundError:
        return None
    return total


def memory_kib(pid):
    """(VmRSS, VmHWM) in KiB."""
    rss = hwm = None
    try:
        with open(f"/proc/{pid}/status") as f:
            for line in f:
                if line.startswith("VmRSS:"):
                    rss = int(line.split()[1])
                elif line.startswith("VmHWM:"):
                    hwm = int(line.split()[1])
    except FileNotFoundError:
        pass
    return rss, hwm


def alive(proc):
    return proc is not None and proc.poll() is None


def stop(proc, timeout=3.0):
    if not alive(proc):
        return
    proc.send_signal(signal.SIGTERM)
    try:
        proc.wait(timeout)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()


# ---------------------------------------------------------------- X server

class XServer:
    """A private Xvfb whose screen is a memory-mapped file, so that painted pixels can be
    watched without asking the server for screenshots."""

    def __init__(self, workdir):
        self.fbdir = os.path.join(workdir, "fb")
        os.makedirs(self.fbdir, exist_ok=True)
        self.display = None
        self.proc = None
        self.dbus = None
        self.env = None

    def start(self, home):
        for n in range(91, 140):
            if not os.path.exists(f"/tmp/.X11-unix/X{n}") and not os.path.exists(f"/tmp/.X{n}-lock"):
                break
        self.display = f":{n}"
        self.proc = subprocess.Popen(
            ["Xvfb", self.display, "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24",
             "-fbdir", self.fbdir, "-nolisten", "tcp", "-noreset"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.time() + 10
        while not os.path.exists(f"/tmp/.X11-unix/X{n}"):
            if time.time() > deadline or not alive(self.proc):
                raise RuntimeError("Xvfb did not start")
            time.sleep(0.02)
        self.env = dict(os.environ)
        for key in ("WAYLAND_DISPLAY", "SESSION_MANAGER", "QT_QPA_PLATFORM"):
            self.env.pop(key, None)
        runtime = os.path.join(home, "run")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        self.env.update({
            "DISPLAY": self.display, "HOME": home,
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
            "XDG_RUNTIME_DIR": runtime,
            "GSETTINGS_BACKEND": "keyfile",
            "LANG": "C.UTF-8",
        })
        # KDE programs want a session bus; give every program the same private one.
        self.dbus = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", "--print-address=1"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=self.env, text=True)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self.dbus.stdout.readline().strip()
        info = subprocess.run(["xwininfo", "-root"], env=self.env, capture_output=True, text=True).stdout
        self.root = next((str(int(line.split()[3], 16)) for line in info.splitlines()
                          if "Window id:" in line), None)

    def stop(self):
        stop(self.dbus)
        stop(self.proc)

    def framebuffer(self):
        path = os.path.join(self.fbdir, "Xvfb_screen0")
        with open(path, "rb") as f:
            return mmap.mmap(f.fileno(), 0, access=mmap.ACCESS_READ)

    def xdotool(self, *args, wait=True):
        cmd = ["xdotool", *args]
        if wait:
            return subprocess.run(cmd, env=self.env, capture_output=True, text=True).stdout
        return subprocess.Popen(cmd, env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def main_window(x, pid, timeout=5.0):
    """The largest mapped top-level window of pid."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        ids = x.xdotool("search", "--onlyvisible", "--pid", str(pid), "").split()
        best, area = None, 0
        for wid in ids:
            if wid == x.root:
                continue
            geometry = x.xdotool("getwindowgeometry", wid)
            for line in geometry.splitlines():
                if "Geometry:" in line:
                    w, h = (int(v) for v in line.split()[-1].split("x"))
                    if w * h > area:
                        best, area = wid, w * h
        if best:
            return best
        time.sleep(0.1)
    return None


def cpu_percent(pid, xpid, seconds, during=None):
    """CPU of the program and of the X server over a window of seconds, in % of a core."""
    a, xa, t0 = cpu_ns(pid), cpu_ns(xpid), now_ns()
    if during:
        during()
    remaining = seconds - (now_ns() - t0) / 1e9
    if remaining > 0:
        time.sleep(remaining)
    b, xb, t1 = cpu_ns(pid), cpu_ns(xpid), now_ns()
    if a is None or b is None:
        return None, None
    wall = t1 - t0
    return 100.0 * (b - a) / wall, 100.0 * (xb - xa) / wall
