#!/usr/bin/env python3
"""Measures the window program and two peer games side by side under private X servers.

For every program and run: start-up time from exec to the first painted frame, resident
memory (steady and peak), CPU while idle without a game, CPU during a game at the slowest
and at the fastest speed, and for our program the gravity timer's error from its own
clock and its idle CPU with a (virtual) game controller attached. Prints medians with
min-max and the ratios ours/theirs; then runs measure_sound.py on our program.

Ours is tumblehand-measure, the game with the measuring probe: it prints its paints, timer
ticks and cues, and starts a game at top speed or attaches a virtual controller when asked.

Run through tools/measure-window.sh, which installs what is missing.
"""

import argparse
import json
import os
import platform
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from measure_common import XServer, alive, cpu_percent, main_window, memory_kib, now_ns, stop  # noqa: E402

KEY_DELAY_MS = 250
# Keys a player might press; none of them quits or opens a dialog in any of the three.
PLAY_KEYS = ["Left", "Left", "Up", "Right", "Down", "Right", "Right", "Up", "Left", "Down"]


def pixels(fb):
    """The pixel bytes of the XWD screen file: they fill its end, after the header and
    the colour map."""
    height = int.from_bytes(fb[20:24], "big")
    bytes_per_line = int.from_bytes(fb[48:52], "big")
    return len(fb) - height * bytes_per_line


def sample(fb, offset):
    # Every seventh pixel, one colour channel: 187k bytes, read in well under a millisecond.
    return fb[offset::28]


def painted(fb, offset, blank):
    """True once the screen shows drawn content: besides the values of the blank screen
    (black root, the server's cursor), at least two more values in one colour channel.
    A freshly mapped window filled with its background colour alone does not count."""
    rest = sample(fb, offset).translate(None, blank)
    if not rest:
        return False
    return bool(rest.translate(None, bytes([rest[0]])))


def blank_values(fb, offset):
    return bytes(sorted(set(sample(fb, offset))))


def wait_first_frame(fb, offset, blank, proc, timeout=20.0):
    start = time.monotonic()
    while time.monotonic() - start < timeout:
        if painted(fb, offset, blank):
            return now_ns()
        if not alive(proc):
            return None
        time.sleep(0.002)
    return None


# ---------------------------------------------------------------- the programs

class Program:
    name = ""
    has_hook = False

    def available(self):
        return True

    def prepare(self, home, fast):
        """Writes the configuration for a session; fast selects the top speed."""

    def command(self, home):
        raise NotImplementedError

    def extra_env(self, fast):
        return {}

    def start_game(self, x, window):
        raise NotImplementedError


class Ours(Program):
    name = "tumblehand"
    has_hook = True

    def __init__(self, binary):
        self.binary = os.path.abspath(binary)

    def available(self):
        return os.access(self.binary, os.X_OK)

    def prepare(self, home, fast):
        # The records file lives beside the program: run a copy so the build's own
        # data.dat is never touched.
        folder = os.path.join(home, "program")
        if not os.path.isdir(folder):
            os.makedirs(folder)
            shutil.copy2(self.binary, folder)
            sound = os.path.join(os.path.dirname(self.binary), "sound")
            if os.path.isdir(sound):
                shutil.copytree(sound, os.path.join(folder, "sound"))

    def command(self, home):
        return [os.path.join(home, "program", os.path.basename(self.binary))]

    def extra_env(self, fast, pad=False):
        env = {"TUMBLEHAND_MEASURE": "1"}
        if fast:
            env["TUMBLEHAND_MEASURE_LEVEL"] = "10"
        if pad:
            # SDL's virtual controller, read like a real one while attached.
            env["TUMBLEHAND_MEASURE_CONTROLLER"] = "1"
        return env

    def start_game(self, x, window):
        x.xdotool("windowfocus", "--sync", window)
        x.xdotool("key", "F2")


class KBlocks(Program):
    name = "kblocks"

    def available(self):
        return os.access("/usr/games/kblocks", os.X_OK)

    def prepare(self, home, fast):
        config = os.path.join(home, ".config")
        os.makedirs(config, exist_ok=True)
        with open(os.path.join(config, "kblocksrc"), "w") as f:
            # Sound off as on our side, where there is no device either; the
            # difficulty is its speed setting.
            f.write("[KgDifficulty]\nLevel=%s\n\n[Preferences]\nSounds=false\n"
                    % ("Hard" if fast else "Easy"))

    def command(self, home):
        return ["/usr/games/kblocks"]

    def start_game(self, x, window):
        x.xdotool("windowfocus", "--sync", window)
        x.xdotool("key", "ctrl+n")


class Quadrapassel(Program):
    name = "quadrapassel"

    def available(self):
        return os.access("/usr/games/quadrapassel", os.X_OK)

    def prepare(self, home, fast):
        settings = os.path.join(home, ".config", "glib-2.0", "settings")
        os.makedirs(settings, exist_ok=True)
        with open(os.path.join(settings, "keyfile"), "w") as f:
            f.write("[org/gnome/Quadrapassel]\nstarting-level=%d\nsound=false\n"
                    % (10 if fast else 1))

    def command(self, home):
        return ["/usr/games/quadrapassel"]

    def start_game(self, x, window):
        # A key before the first game crashes it (Debian 12's 40.2), so its start
        # button is clicked; the window opens at 0,0 without a window manager.
        x.xdotool("mousemove", "492", "536", "click", "1")
        x.xdotool("mousemove", "200", "300")
        x.xdotool("windowfocus", "--sync", window)


# ---------------------------------------------------------------- one session

class HookReader(threading.Thread):
    """Collects the lines our program prints with TUMBLEHAND_MEASURE=1."""

    def __init__(self, stream):
        super().__init__(daemon=True)
        self.stream = stream
        self.lines = []
        self.lock = threading.Lock()

    def run(self):
        for line in self.stream:
            with self.lock:
                self.lines.append((now_ns(), line.split()))

    def take(self):
        with self.lock:
            lines, self.lines = self.lines, []
        return lines


def session(program, fast, args, workdir, results, pad=False):
    """One launch: start-up, memory, idle CPU (slow sessions), play CPU; with pad, only
    the idle CPU while a game controller is attached."""
    home = tempfile.mkdtemp(prefix="home-", dir=workdir)
    program.prepare(home, fast)
    x = XServer(home)
    x.start(home)
    proc = None
    try:
        fb = x.framebuffer()
        offset = pixels(fb)
        blank = blank_values(fb, offset)
        env = dict(x.env)
        env.update(program.extra_env(fast, pad=True) if pad else program.extra_env(fast))
        t0 = now_ns()
        proc = subprocess.Popen(program.command(home), env=env, cwd=home,
                                stdout=subprocess.PIPE if program.has_hook else subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, text=True)
        hook = None
        if program.has_hook:
            hook = HookReader(proc.stdout)
            hook.start()
        first = wait_first_frame(fb, offset, blank, proc)
        if first is None:
            print(f"  {program.name}: no frame painted", file=sys.stderr)
            return
        if pad:
            time.sleep(args.settle)
            cpu, xcpu = cpu_percent(proc.pid, x.proc.pid, args.idle)
            results.setdefault("idle_cpu_pad", []).append(cpu)
            results.setdefault("idle_xcpu_pad", []).append(xcpu)
            return
        results.setdefault("startup_ms", []).append((first - t0) / 1e6)
        time.sleep(args.settle)
        if hook:
            for t, words in hook.take():
                if words and words[0] == "first-paint" and len(words) > 1:
                    results.setdefault("startup_hook_ms", []).append((int(words[1]) - t0) / 1e6)
        window = main_window(x, proc.pid)
        if window is None:
            print(f"  {program.name}: no window found", file=sys.stderr)
            return

        if not fast:
            if hook:
                hook.take()
            cpu, xcpu = cpu_percent(proc.pid, x.proc.pid, args.idle)
            results.setdefault("idle_cpu", []).append(cpu)
            results.setdefault("idle_xcpu", []).append(xcpu)
            if hook and results.get("startup_hook_ms"):
                paints = sum(1 for _, w in hook.take() if w and w[0] == "paint")
                results.setdefault("idle_paints", []).append(paints)
            rss, _ = memory_kib(proc.pid)
            results.setdefault("rss_idle_mib", []).append(rss / 1024)

        program.start_game(x, window)
        time.sleep(1.0)
        if hook:
            hook.take()
        keys = max(1, int(args.play * 1000 / KEY_DELAY_MS))
        sequence = (PLAY_KEYS * (keys // len(PLAY_KEYS) + 1))[:keys]
        player = []

        def press():
            player.append(x.xdotool("key", "--delay", str(KEY_DELAY_MS), *sequence, wait=False))

        cpu, xcpu = cpu_percent(proc.pid, x.proc.pid, args.play, during=press)
        for p in player:
            p.wait()
        if not alive(proc):
            print(f"  {program.name}: ended during play", file=sys.stderr)
            return
        tag = "fast" if fast else "slow"
        results.setdefault(f"play_cpu_{tag}", []).append(cpu)
        results.setdefault(f"play_xcpu_{tag}", []).append(xcpu)
        rss, hwm = memory_kib(proc.pid)
        results.setdefault("rss_play_mib", []).append(rss / 1024)
        results.setdefault("rss_peak_mib", []).append(hwm / 1024)
        if hook:
            lines = hook.take()
            collect_ticks(lines, results)
            collect_paints(lines, results, tag)
    finally:
        stop(proc)
        x.stop()


def collect_ticks(lines, results):
    """Gravity timer error from 'tick <timer> <ns> <interval-ms> <lateness-us>' lines:
    the interval between two Timer1 ticks in a row against its interval, and how late
    each tick ran after its due time."""
    previous = None
    for _, words in lines:
        if not words or words[0] != "tick" or len(words) < 5:
            if words and words[0] == "tick":
                previous = None
            continue
        timer, t, interval, late_us = int(words[1]), int(words[2]), int(words[3]), float(words[4])
        if timer != 1:
            previous = None
            continue
        results.setdefault("tick_late_ms", []).append(late_us / 1000)
        if previous and previous[1] == interval:
            results.setdefault("tick_error_ms", []).append(abs((t - previous[0]) / 1e6 - interval))
        previous = (t, interval)


def collect_paints(lines, results, tag):
    """Painted area per repaint, as a share of the window, from 'paint <ns> <x> <y> <w> <h>
    <window-w> <window-h>' lines."""
    for _, words in lines:
        if words and words[0] == "paint" and len(words) >= 8:
            w, h, ww, wh = (int(v) for v in words[4:8])
            if ww * wh:
                results.setdefault(f"paint_share_{tag}", []).append(w * h / (ww * wh))


def drift_session(program, args, workdir, results):
    """A long level-1 game of our program, with the pair moved about so that the well
    does not fill: how late each timer tick runs after its due time, over the first
    and the last ten seconds, shows whether ticks drift; and within every fall, the
    time from its first to its last gravity tick against the intervals in between."""
    home = tempfile.mkdtemp(prefix="home-", dir=workdir)
    program.prepare(home, False)
    x = XServer(home)
    x.start(home)
    proc = None
    try:
        fb = x.framebuffer()
        offset = pixels(fb)
        blank = blank_values(fb, offset)
        env = dict(x.env)
        env.update(program.extra_env(False))
        proc = subprocess.Popen(program.command(home), env=env, cwd=home, stdout=subprocess.PIPE,
                                stderr=subprocess.DEVNULL, text=True)
        hook = HookReader(proc.stdout)
        hook.start()
        if wait_first_frame(fb, offset, blank, proc) is None:
            return
        time.sleep(args.settle)
        window = main_window(x, proc.pid)
        program.start_game(x, window)
        start = now_ns()
        # Left and right in an uneven pattern spread the pairs over the columns.
        moves = (["Left", "Left", "Right", "Left", "Right", "Right", "Right", "Left", "Left"]
                 * int(args.drift))[: int(args.drift * 1000 / 600)]
        player = x.xdotool("key", "--delay", "600", *moves, wait=False)
        time.sleep(args.drift)
        player.wait()
        lines = hook.take()
        ticks = [(t, int(w[1]), int(w[2]), int(w[3]), float(w[4]) / 1000) for t, w in lines
                 if w and w[0] == "tick" and len(w) >= 5]
        if not ticks:
            return
        first = [late for t, _, _, _, late in ticks if t - start < 10e9]
        last = [late for t, _, _, _, late in ticks if t - start > (args.drift - 10) * 1e9]
        results["drift_first10_ms"] = [statistics.median(first)] if first else []
        results["drift_last10_ms"] = [statistics.median(last)] if last else []
        results["drift_ticks"] = [len(ticks)]
        # Runs of gravity ticks with nothing between them: accumulated error per run.
        run, accumulated = [], []
        for _, timer, ns, interval, _ in ticks + [(0, 0, 0, 0, 0.0)]:
            if timer == 1 and (not run or run[-1][1] == interval):
                run.append((ns, interval))
                continue
            if len(run) >= 3:
                accumulated.append(abs((run[-1][0] - run[0][0]) / 1e6 - (len(run) - 1) * run[0][1]))
            run = [(ns, interval)] if timer == 1 else []
        results["drift_fall_error_ms"] = accumulated
    finally:
        stop(proc)
        x.stop()


# ---------------------------------------------------------------- report

def summary(values):
    values = [v for v in values if v is not None]
    if not values:
        return None
    return {"median": statistics.median(values), "min": min(values), "max": max(values), "n": len(values)}


def percentile(values, p):
    values = sorted(values)
    if not values:
        return None
    k = min(len(values) - 1, int(round(p * (len(values) - 1))))
    return values[k]


FIGURES = [
    ("startup_ms", "start-up to first frame (ms)"),
    ("startup_hook_ms", "start-up to first paint, own clock (ms)"),
    ("rss_idle_mib", "resident memory, idle (MiB)"),
    ("rss_play_mib", "resident memory, after play (MiB)"),
    ("rss_peak_mib", "resident memory, peak (MiB)"),
    ("idle_cpu", "CPU idle, no game (% of a core)"),
    ("idle_xcpu", "  X server CPU meanwhile (%)"),
    ("idle_paints", "repaints while idle"),
    ("idle_cpu_pad", "CPU idle, a controller attached (%)"),
    ("idle_xcpu_pad", "  X server CPU meanwhile (%)"),
    ("play_cpu_slow", "CPU in play, slowest speed (%)"),
    ("play_xcpu_slow", "  X server CPU meanwhile (%)"),
    ("play_cpu_fast", "CPU in play, top speed (%)"),
    ("play_xcpu_fast", "  X server CPU meanwhile (%)"),
]


def fmt(s, digits=1):
    if s is None:
        return "n/a"
    return f"{s['median']:.{digits}f} ({s['min']:.{digits}f}-{s['max']:.{digits}f})"


def report(all_results, args):
    names = list(all_results)
    ours = names[0]
    print()
    print(f"Machine: {platform.node()}, {cpu_model()}, {os.cpu_count()} cores, "
          f"kernel {platform.release()}; load before: {load()}")
    print(f"Runs: {args.runs}; idle {args.idle}s, play {args.play}s per run; "
          f"keys every {KEY_DELAY_MS} ms")
    print("Median (min-max) over runs.\n")
    header = f"{'figure':42}" + "".join(f"{n:>26}" for n in names)
    peers = names[1:]
    header += "".join(f"{'ours/' + p:>20}" for p in peers)
    print(header)
    table = {}
    for key, label in FIGURES:
        row = f"{label:42}"
        sums = {n: summary(all_results[n].get(key, [])) for n in names}
        digits = 2 if "cpu" in key else 1
        for n in names:
            row += f"{fmt(sums[n], digits):>26}"
        for p in peers:
            a, b = sums[ours], sums[p]
            if a and b and b["median"] > 0:
                row += f"{a['median'] / b['median']:>20.3f}"
            else:
                row += f"{'n/a':>20}"
        table[key] = sums
        print(row)
    r = all_results[ours]
    errors, late = r.get("tick_error_ms", []), r.get("tick_late_ms", [])
    if errors:
        print(f"\nGravity tick interval error (ms), {len(errors)} intervals: "
              f"median {statistics.median(errors):.3f}, p99 {percentile(errors, 0.99):.3f}, "
              f"max {max(errors):.3f}")
    if late:
        print(f"Gravity tick lateness after its due time (ms), {len(late)} ticks: "
              f"median {statistics.median(late):.3f}, p99 {percentile(late, 0.99):.3f}")
    if r.get("drift_first10_ms"):
        last10 = r["drift_last10_ms"][0] if r.get("drift_last10_ms") else float("nan")
        print(f"Drift over {args.drift:.0f}s ({r['drift_ticks'][0]} ticks of all timers): median "
              f"lateness {r['drift_first10_ms'][0]:.3f} ms in the first 10 s, {last10:.3f} ms "
              f"in the last 10 s")
    falls = r.get("drift_fall_error_ms", [])
    if falls:
        print(f"Accumulated error from first to last gravity tick of a fall (ms), {len(falls)} "
              f"falls: median {statistics.median(falls):.3f}, max {max(falls):.3f}")
    for tag in ("slow", "fast"):
        shares = r.get(f"paint_share_{tag}", [])
        if shares:
            print(f"Repaints in play ({tag}): {len(shares)}, painted share of the window: "
                  f"median {statistics.median(shares):.3f}, max {max(shares):.3f}")
    if args.json:
        with open(args.json, "w") as f:
            json.dump({"results": all_results, "args": vars(args)}, f, indent=1)


def cpu_model():
    try:
        with open("/proc/cpuinfo") as f:
            for line in f:
                if line.startswith("model name"):
                    return line.split(":", 1)[1].strip()
    except OSError:
        pass
    return platform.processor()


def load():
    return " ".join(open("/proc/loadavg").read().split()[:3])


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--program", default="build/tumblehand-measure",
                        help="our game with the measuring probe")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--idle", type=float, default=4.0, help="seconds of idle measurement")
    parser.add_argument("--play", type=float, default=6.0, help="seconds of play measurement")
    parser.add_argument("--settle", type=float, default=1.0, help="seconds after the first frame")
    parser.add_argument("--drift", type=float, default=60.0,
                        help="seconds of one long game of ours for drift (0 skips)")
    parser.add_argument("--only", default="", help="comma-separated subset: tumblehand,kblocks,quadrapassel")
    parser.add_argument("--json", default="", help="write the raw figures to this file")
    parser.add_argument("--sound-cues", type=int, default=4,
                        help="cues to hear in one game through a private sound server (0 skips)")
    args = parser.parse_args()

    programs = [Ours(args.program), KBlocks(), Quadrapassel()]
    if args.only:
        wanted = set(args.only.split(","))
        programs = [p for p in programs if p.name in wanted]
    programs = [p for p in programs if p.available() or print(f"skipping {p.name}: not found") is not None]
    results = {p.name: {} for p in programs}
    workdir = tempfile.mkdtemp(prefix="tumblehand-measure-")
    try:
        for run in range(args.runs):
            # Interleaved, so that a change in the machine's load hits every program alike.
            for p in programs:
                print(f"run {run + 1}/{args.runs}: {p.name}", file=sys.stderr)
                session(p, False, args, workdir, results[p.name])
                session(p, True, args, workdir, results[p.name])
                if p.name == "tumblehand":
                    session(p, False, args, workdir, results[p.name], pad=True)
        if args.drift > 0 and programs and programs[0].has_hook:
            print(f"drift: {programs[0].name}, {args.drift:.0f}s", file=sys.stderr)
            drift_session(programs[0], args, workdir, results[programs[0].name])
    finally:
        shutil.rmtree(workdir, ignore_errors=True)
    report(results, args)
    if args.sound_cues > 0 and programs and programs[0].has_hook:
        print(f"sound: {programs[0].name}, {args.sound_cues} cues", file=sys.stderr)
        sys.stdout.flush()
        sound = os.path.join(os.path.dirname(os.path.abspath(__file__)), "measure_sound.py")
        subprocess.run([sys.executable, sound, "--program", args.program, "--cues", str(args.sound_cues),
                        "--idle", "10", "--kill"], check=True)


if __name__ == "__main__":
    main()
