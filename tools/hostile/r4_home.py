# env -u HOME -u XDG_DATA_HOME, as a user, the game installed where it cannot write.
import os, shutil, sys, time, tempfile, subprocess
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from common import *
work = tempfile.mkdtemp(prefix="tumblehand-hostile-"); os.chmod(work, 0o755)
x = xserver(work)
shutil.rmtree("/opt/tumblehand-hostile-game", ignore_errors=True)
prog = install("/opt/tumblehand-hostile-game"); os.chmod("/opt/tumblehand-hostile-game", 0o755)
shutil.rmtree("/home/tumblehand-player/.local", ignore_errors=True)
p, w = start(x, prog, env={"XDG_RUNTIME_DIR": None, "DBUS_SESSION_BUS_ADDRESS": None}, user="tumblehand-player")
box = play_to_game_over(x, p, w)
x.xdotool("windowactivate", "--sync", box); x.xdotool("key", "Return")
target = "/home/tumblehand-player/.local/share/tumblehand/data.dat"
print("saved to", target, ":", bool(wait_for(lambda: os.path.exists(target), 10)))
msgs = [b for b in named(x, p.pid, "Tumblehand") if b != w]
print("message boxes after the save (an error would show one):", len(msgs))
print(subprocess.run(["ls", "-l", target], capture_output=True, text=True).stdout.strip())
print("nothing under /.local:", not os.path.exists("/.local/share/tumblehand"))
p.kill(); x.wm.kill(); x.stop()
