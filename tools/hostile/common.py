import os, shutil, subprocess, sys, time
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "measure"))
import measure_common as mc

BUILD = os.environ.get("TUMBLEHAND_BUILD") or os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "build")

def xserver(work):
    x = mc.XServer(work); x.start(work)
    x.wm = subprocess.Popen(["openbox"], env=x.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    return x

def install(folder):
    os.makedirs(folder, exist_ok=True)
    shutil.copy(f"{BUILD}/tumblehand", folder)
    return os.path.join(folder, "tumblehand")

def start(x, program, env=None, user=None):
    e = dict(x.env, **(env or {}))
    for k in [k for k, v in e.items() if v is None]: e.pop(k)
    cmd = [program] if not user else ["runuser", "-u", user, "--", "env", "-u", "HOME", "-u", "XDG_DATA_HOME", program]
    p = subprocess.Popen(cmd, env=e, stdout=subprocess.DEVNULL, stderr=open(os.devnull, "a"))
    w = wait_for(lambda: named(x, p.pid, "Tumblehand"), 20)
    w = w[0] if w else None
    return p, w

def windows(x, pid):
    # The game's visible windows (one game per private X server): its class is the program's name.
    return x.xdotool("search", "--onlyvisible", "--classname", "tumblehand").split()

def named(x, pid, name):
    out = []
    for w in windows(x, pid):
        if x.xdotool("getwindowname", w).strip() == name: out.append(w)
    return out

def wait_for(cond, timeout=60, step=0.2):
    end = time.time() + timeout
    while time.time() < end:
        v = cond()
        if v: return v
        time.sleep(step)
    return None

def play_to_game_over(x, p, w):
    """F2, then Down pressed over and over: pairs pile up in the entry column until one cannot come in."""
    x.xdotool("windowactivate", "--sync", w)
    x.xdotool("key", "F2")
    def over():
        boxes = [b for b in named(x, p.pid, "Tumblehand") if b != w]
        if boxes: return boxes
        x.xdotool("windowactivate", w); x.xdotool("key", "--delay", "30", *["x"] * 10)
        return None
    boxes = wait_for(over, 120, 0.05)
    return boxes[0] if boxes else None

def shot(x, path):
    subprocess.run(["import", "-window", "root", path], env=x.env)
