#!/usr/bin/env python3
"""Plays a real game with sound and listens to it.

The game runs under a private Xvfb and plays through a private PulseAudio server whose null
sink is recorded with parec. A few pairs are dropped until rows resolve; for every cue the
game asks for (tumblehand-measure, the game with the measuring probe, prints the moment), the
recording shows when it began (onset after the call), how much of the file was heard, and how
closely it matches the file. Also measured: the game's CPU while idle with the server running, and the streams open
on the server while no cue plays. With --kill, the server is killed in the middle of the game
and started again; the game must play on and the cues after the restart must be heard.

Used by tools/measure-window.sh (the sound figures of docs/performance.md) and by
tools/record-game-sound.sh (which keeps the recording).
"""

import argparse
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import wave

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import measure_common as mc  # noqa: E402  (the private X server and CPU counters)

RATE = 44100


class PrivatePulse:
    """pulseaudio with a null sink on a socket of its own, and its monitor recorded."""

    def __init__(self, folder):
        self.folder = folder
        self.socket = os.path.join(folder, "native")
        self.daemon = self.recorder = self.reader = None
        self.samples = bytearray()
        self.first_ns = None  # monotonic time of the recording's first sample
        self.lock = threading.Lock()

    def start(self):
        if os.path.exists(self.socket):
            os.remove(self.socket)
        env = dict(os.environ, HOME=self.folder, XDG_RUNTIME_DIR=self.folder)
        self.daemon = subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
             "--disable-shm=yes", f"--load=module-native-protocol-unix auth-anonymous=1 socket={self.socket}",
             "--load=module-null-sink sink_name=cues"],
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.time() + 20
        while not os.path.exists(self.socket):
            if time.time() > deadline or self.daemon.poll() is not None:
                raise RuntimeError("pulseaudio did not start (install pulseaudio and pulseaudio-utils)")
            time.sleep(0.05)

    def record(self):
        """Starts a new recording; the earliest arrival of its samples dates them all."""
        self.samples, self.first_ns = bytearray(), None
        self.recorder = subprocess.Popen(
            ["parec", f"--server=unix:{self.socket}", "--device=cues.monitor", "--format=s16le",
             f"--rate={RATE}", "--channels=1", "--latency-msec=5", "--raw"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        fd = self.recorder.stdout.fileno()

        def read():
            while True:
                chunk = os.read(fd, 4096)
                if not chunk:
                    return
                t = time.monotonic_ns()
                with self.lock:
                    self.samples += chunk
                    first = t - (len(self.samples) // 2) * 1e9 / RATE
                    self.first_ns = first if self.first_ns is None else min(self.first_ns, first)

        self.reader = threading.Thread(target=read, daemon=True)
        self.reader.start()

    def heard(self):
        with self.lock:
            data = bytes(self.samples[: len(self.samples) // 2 * 2])
        return memoryview(data).cast("h").tolist()

    def streams(self):
        out = subprocess.run(["pactl", f"--server=unix:{self.socket}", "list", "short", "sink-inputs"],
                             capture_output=True, text=True).stdout
        return len(out.splitlines())

    def stop(self, kill=False):
        for proc in (self.recorder, self.daemon):
            if proc and proc.poll() is None:
                proc.send_signal(signal.SIGKILL if kill else signal.SIGTERM)
                proc.wait()
        if self.reader:
            self.reader.join(timeout=2)


def read_cue(path):
    """The file's samples as mono at RATE, or None when it cannot be read. Our own cues are
    read as they are; a player's own file in another encoding is converted by sox if there is one."""
    try:
        with wave.open(path, "rb") as w:
            if w.getframerate() == RATE and w.getnchannels() == 1 and w.getsampwidth() == 2:
                return memoryview(w.readframes(w.getnframes())).cast("h").tolist()
    except (OSError, wave.Error):
        pass
    try:
        raw = subprocess.run(["sox", path, "-t", "raw", "-r", str(RATE), "-c", "1", "-b", "16", "-e", "signed", "-"],
                             capture_output=True, check=True).stdout
    except (OSError, subprocess.CalledProcessError):
        return None
    return memoryview(raw).cast("h").tolist() if raw else None


def correlation(rec, at, ref, count):
    xy = xx = yy = 0.0
    for i in range(min(count, len(ref), len(rec) - at)):
        a, b = rec[at + i], ref[i]
        xy += a * b
        xx += a * a
        yy += b * b
    return xy / (xx * yy) ** 0.5 if xx > 0 and yy > 0 else 0.0


def sounding(samples, start, end, threshold):
    """(first, last + 1) of the samples in [start, end) at or above threshold, or None."""
    end = min(end, len(samples))
    first = next((i for i in range(max(start, 0), end) if abs(samples[i]) >= threshold), None)
    if first is None:
        return None
    last = next(i for i in range(end - 1, first - 1, -1) if abs(samples[i]) >= threshold)
    return first, last + 1


def analyse(rec, first_ns, calls):
    """One row per cue call: onset (ms), heard and file length (ms), correlation."""
    rows = []
    for n, (t, path) in enumerate(calls):
        name = os.path.basename(path)[:-4]
        ref = read_cue(path)
        if ref is None or first_ns is None:
            rows.append({"cue": name, "heard": False})
            continue
        threshold = max(abs(v) for v in ref) // 50
        expected = round((t - first_ns) * RATE / 1e9)
        until = expected + len(ref) + RATE // 4
        if n + 1 < len(calls):
            until = min(until, round((calls[n + 1][0] - first_ns) * RATE / 1e9) - RATE // 100)
        own = sounding(ref, 0, len(ref), threshold)
        found = sounding(rec, expected - RATE // 200, min(until, expected + RATE), threshold)
        if own is None or found is None:
            rows.append({"cue": name, "heard": False, "file_ms": len(ref) * 1000 / RATE})
            continue
        # The null sink mixes a new stream in by rewinding what the monitor already has, so the
        # recording loses a cue's first few milliseconds (a speaker plays them): the threshold
        # crossing is a guess, and the file from 10 ms in, matched near it, places the cue.
        skip, guess = RATE // 100, found[0] - own[0]
        body = ref[skip:]
        at = max(range(guess - 300, guess + 21), key=lambda a: correlation(rec, max(a, 0) + skip, body, RATE // 20))
        heard = sounding(rec, at, until, threshold)
        rows.append({
            "cue": name, "heard": True,
            "onset_ms": (at - expected) * 1000 / RATE,
            "file_ms": (own[1]) * 1000 / RATE,
            "heard_ms": (heard[1] - at) * 1000 / RATE,
            "correlation": correlation(rec, at + skip, body, len(body)),
        })
    return rows


def drop_pairs(x, hook_path, count, seen_cues, stop_when):
    """Drops pairs into the well, one column after another, until stop_when() or count pairs."""
    moves = [["Left", "Left"], ["Left"], [], ["Right"], ["Right", "Right"]]
    done = 0
    offset = os.path.getsize(hook_path)
    while done < count and not stop_when():
        # Wait for the pair to fall (the gravity timer ticks), then move and drop it.
        deadline = time.time() + 10
        falling = False
        while time.time() < deadline and not falling:
            time.sleep(0.1)
            with open(hook_path) as f:
                f.seek(offset)
                text = f.read()
            offset += len(text.encode())
            for line in text.splitlines():
                words = line.split()
                if words[:1] == ["cue"]:
                    seen_cues.append((int(words[1]), " ".join(words[2:])))
                falling = falling or words[:2] == ["tick", "1"]
            if stop_when():
                return done
        if not falling:
            return done  # no pair falls any more: the game is over (or stuck in a dialog)
        x.xdotool("key", "--delay", "60", *moves[done % len(moves)], *(["x"] * 11))
        done += 1
    return done


def measure(program, cues=3, idle=10.0, kill=False, record_to=None, quiet=False):
    """Plays one game with sound; returns the figures (see the module's description)."""
    say = (lambda *a: None) if quiet else (lambda *a: print(*a, file=sys.stderr))
    work = tempfile.mkdtemp(prefix="tumblehand-sound-")
    pulse = PrivatePulse(os.path.join(work, "pulse"))
    os.makedirs(pulse.folder)
    x = mc.XServer(work)
    proc = None
    figures = {}
    try:
        pulse.start()
        pulse.record()
        x.start(work)
        hook = os.path.join(work, "hook.txt")
        open(hook, "w").close()
        env = dict(x.env, PULSE_SERVER=f"unix:{pulse.socket}", TUMBLEHAND_MEASURE=hook)
        proc = subprocess.Popen([os.path.abspath(program)], env=env, cwd=work,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        window = mc.main_window(x, proc.pid, timeout=20)
        if window is None:
            raise RuntimeError("the game's window did not appear")
        time.sleep(2)
        say(f"idle with the server running, {idle:.0f} s")
        figures["idle_cpu"], _ = mc.cpu_percent(proc.pid, x.proc.pid, idle)
        figures["idle_streams"] = pulse.streams()

        geometry = x.xdotool("getwindowgeometry", "--shell", window)
        size = dict(line.split("=") for line in geometry.split())
        width, height = int(size["WIDTH"]), int(size["HEIGHT"])
        x.xdotool("mousemove", "--window", window, str(width * 87 // 100), str(height * 48 // 100), "click", "1")
        calls = []
        say(f"playing until {cues} cues")
        drop_pairs(x, hook, 60, calls, lambda: len(calls) >= cues)
        time.sleep(1.5)
        figures["rows"] = analyse(pulse.heard(), pulse.first_ns, calls)
        # Every stream closes soon after its cue: poll until none is left (the game plays on).
        closed_at = time.time() + 3
        while pulse.streams() and time.time() < closed_at:
            time.sleep(0.1)
        figures["streams_after_cues"] = pulse.streams()
        if record_to:
            with wave.open(record_to, "wb") as w:
                w.setnchannels(1), w.setsampwidth(2), w.setframerate(RATE)
                w.writeframes(bytes(pulse.samples))

        if kill:
            before = len(calls)
            drop_pairs(x, hook, 20, calls, lambda: len(calls) > before)
            pulse.stop(kill=True)
            if len(calls) > before:
                figures["killed_ms_into_cue"] = (time.monotonic_ns() - calls[-1][0]) / 1e6
                say(f"killed the sound server {figures['killed_ms_into_cue']:.0f} ms into a cue")
            before = len(calls)
            drop_pairs(x, hook, 20, calls, lambda: len(calls) > before)
            figures["alive_without_server"] = proc.poll() is None
            figures["cues_without_server"] = len(calls) - before
            time.sleep(2)
            say("starting the server again")
            pulse.start()
            pulse.record()
            time.sleep(1)
            before = len(calls)
            drop_pairs(x, hook, 20, calls, lambda: len(calls) >= before + 2)
            time.sleep(1.5)
            figures["rows_after_restart"] = analyse(pulse.heard(), pulse.first_ns, calls[before:])
            figures["alive_at_end"] = proc.poll() is None
    finally:
        if proc:
            mc.stop(proc)
        pulse.stop()
        x.stop()
        shutil.rmtree(work, ignore_errors=True)
    return figures


def report(figures):
    def table(rows):
        for r in rows:
            if not r.get("heard"):
                print(f"  {r['cue']:<6} not heard")
                continue
            share = 100 * r["heard_ms"] / r["file_ms"]
            print(f"  {r['cue']:<6} file {r['file_ms']:6.1f} ms  heard {r['heard_ms']:6.1f} ms ({share:5.1f} %)"
                  f"  correlation {r['correlation']:.3f}  onset {r['onset_ms']:5.1f} ms")

    print("Sound through a private PulseAudio (null sink, recorded):")
    print(f"  idle CPU with the server running: {figures['idle_cpu']:.2f} %, "
          f"streams open while idle: {figures['idle_streams']}, "
          f"within 3 s after the cues: {figures['streams_after_cues']}")
    table(figures["rows"])
    onsets = sorted(r["onset_ms"] for r in figures["rows"] if r.get("heard"))
    if onsets:
        print(f"  onset after the call: median {onsets[len(onsets) // 2]:.1f} ms, worst {onsets[-1]:.1f} ms")
    if "alive_at_end" in figures:
        print(f"  server killed {figures.get('killed_ms_into_cue', float('nan')):.0f} ms into a cue: game running "
              f"{figures['alive_without_server']}, {figures['cues_without_server']} cues silent; after the restart:")
        table(figures["rows_after_restart"])
        print(f"  game still running at the end: {figures['alive_at_end']}")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--program", default="build/tumblehand-measure")
    parser.add_argument("--cues", type=int, default=3, help="cues to hear before stopping")
    parser.add_argument("--idle", type=float, default=10.0, help="seconds of idle CPU measurement")
    parser.add_argument("--kill", action="store_true", help="kill and restart the server mid-game")
    parser.add_argument("--record", default="", help="keep the recording as this WAV file")
    args = parser.parse_args()
    report(measure(args.program, args.cues, args.idle, args.kill, args.record or None))


if __name__ == "__main__":
    main()
