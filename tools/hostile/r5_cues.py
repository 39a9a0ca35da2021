# Eight player cues of 60 MB each (sound/<name>.wav), pairs dropped across the well until
# several rows resolved; the game's RSS as it goes.
import os, subprocess, sys, time, tempfile, shutil
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from common import *
work = tempfile.mkdtemp(prefix="tumblehand-hostile-")
x = xserver(work)
prog = install(os.path.join(work, "game"))
os.makedirs(os.path.join(work, "game", "sound"))
big = os.path.join(work, "big.wav")  # 700 s of 16-bit mono at 44.1 kHz: 62 MB
subprocess.run(["sox", "-n", "-r", "44100", "-b", "16", "-c", "1", big, "synth", "700", "sine", "440", "vol", "0.1"], check=True)
for name in ["up2", "up", "Flush", "ph", "te", "pe", "pn", "boo"]:
    os.link(big, os.path.join(work, "game", "sound", name + ".wav"))
p, w = start(x, prog)
time.sleep(2)
print("RSS at start: %d MB" % (mc.memory_kib(p.pid)[0] // 1024))
x.xdotool("windowactivate", "--sync", w); x.xdotool("key", "F2")
moves = [["Left", "Left"], ["Left"], [], ["Right"], ["Right", "Right"]]
peak = 0
for n in range(40):
    time.sleep(2.2)
    if [b for b in named(x, p.pid, "Tumblehand") if b != w]: break  # GAMEOVER
    x.xdotool("windowactivate", w)
    x.xdotool("key", "--delay", "40", *moves[n % 5], *(["x"] * 11))
    rss, hwm = mc.memory_kib(p.pid)
    peak = max(peak, rss)
    if n % 5 == 4: print("after %d pairs: RSS %d MB, peak RSS so far %d MB, HWM %d MB" % (n + 1, rss // 1024, peak // 1024, hwm // 1024))
err = open(os.devnull).read()
print("RSS at the end: %d MB" % (mc.memory_kib(p.pid)[0] // 1024))
p.kill(); x.wm.kill(); x.stop()
