#!/usr/bin/env python3
"""Quillmark as a screen reader and a keyboard-only user meet it: the real program on the
accessibility bus (AT-SPI), keys through the X server.
  names QUILLMARK     on every tab, each control that takes the focus has a role and a name
                      of its own
  keyboard QUILLMARK  a screenshot on the clipboard becomes the icon and the stats panel on
                      disk, and then a live shot cropped from it, by keys alone
Needs an X display and a D-Bus session (tests/CMakeLists.txt gives both)."""
import os, shutil, struct, subprocess, sys, tempfile, time, zlib

import gi

gi.require_version("Atspi", "2.0")
import pyatspi  # noqa: E402

HEIGHTS = ["120", "180", "240", "300", "360", "400", "440", "500", "570", "660", "830", "1000"]


def wait_until(check, seconds=15.0):
    end = time.monotonic() + seconds
    while not (value := check()) and time.monotonic() < end:
        time.sleep(0.1)
    return value


def screenshot_png(width=1024, height=768):
    # A picture the size of a game's screen whose every row and column differs.
    rows = b"".join(b"\0" + bytes((x // 3 + y * (x % 3 + 1)) & 255 for x in range(width * 3)) for y in range(height))
    chunk = lambda kind, data: struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b"")


def png_size(path):
    with open(path, "rb") as f:
        return struct.unpack(">II", f.read(24)[16:24])


class Quillmark:
    def __init__(self, executable):
        self.folder = tempfile.mkdtemp()
        for sub in ("Templates", "Images"):  # a portable program folder
            os.mkdir(os.path.join(self.folder, sub))
        shutil.copy(executable, self.folder)
        env = dict(os.environ, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.process = subprocess.Popen([os.path.join(self.folder, os.path.basename(executable))], env=env)
        self.app = wait_until(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                            if a and a.get_process_id() == self.process.pid), None), 30)
        assert self.app, "the program never came onto the accessibility bus"
        self.window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(self.process.pid),
                                      "--name", "Quillmark"], capture_output=True, text=True, timeout=30).stdout.split()[0]
        self.activate()

    def activate(self):
        # What a window manager does when the window opens or its dialog closes.
        subprocess.run(["xdotool", "windowfocus", "--sync", self.window], check=True, timeout=30)

    def close(self):
        self.process.kill()
        self.process.wait()
        shutil.rmtree(self.folder, ignore_errors=True)

    def keys(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "60", *keys], check=True, timeout=30)

    def shown(self, node=None):
        """Every object on screen, depth first."""
        node = node or self.app
        for child in node:
            if child and child.getState().contains(pyatspi.STATE_SHOWING):
                yield child
                yield from self.shown(child)

    def focused(self):
        return next((o for o in self.shown() if o.getState().contains(pyatspi.STATE_FOCUSED)), None)

    def focus_becomes(self, name, role=None):
        found = wait_until(lambda: (o := self.focused()) and name in (None, o.name) and role in (None, o.getRoleName()))
        assert found, f"focus on {describe(self.focused())}, not on {name!r}"

    def save_as(self, name):
        self.focus_becomes(None, "text")  # the name prompt
        subprocess.run(["xdotool", "type", "--delay", "60", name], check=True, timeout=30)
        self.keys("Return")
        assert wait_until(lambda: all(a.getRole() != pyatspi.ROLE_DIALOG for a in self.app)), "the prompt stays"
        self.activate()

    def show_tab(self, number):
        self.keys(str(number))
        self.focus_becomes(["1 Panel", "2 Live", "3 Text", "4 Merge", "5 Tools", "6 Options"][number - 1])


def sizes(program):
    """The pictures saved so far, by the first word of their names (a file being written has
    another name until it is whole)."""
    images = os.path.join(program.folder, "Images")
    found = {}
    for name in sorted(n for n in os.listdir(images) if n.endswith(".png")):
        found.setdefault(name.split()[0].split(".")[0], []).append(png_size(os.path.join(images, name)))
    return {word: sorted(s) for word, s in found.items()}


def describe(node):
    if not node:
        return "nothing"
    path = []
    while node and node.getRole() != pyatspi.ROLE_APPLICATION:
        path.append(f"{node.getRoleName()} {node.name!r}")
        node = node.parent
    return " in ".join(path)


def names(program):
    missing = []
    for tab in range(1, 7):
        program.show_tab(tab)
        for o in program.shown():
            if o.getState().contains(pyatspi.STATE_FOCUSABLE):
                # Qt falls back on the frame's title, which names no control within (unless the
                # control's tooltip says the same).
                if o.getRole() in (pyatspi.ROLE_INVALID, pyatspi.ROLE_UNKNOWN) or not o.name.strip() or (
                        o.name == o.parent.name != o.description):
                    missing.append(f"tab {tab}: {describe(o)} ({o.description!r})")
    assert not missing, "nameless or roleless controls:\n" + "\n".join(missing)


def keyboard(program):
    shot = os.path.join(program.folder, "shot.png")
    with open(shot, "wb") as f:
        f.write(screenshot_png())
    holder = subprocess.Popen(["xclip", "-selection", "clipboard", "-t", "image/png", "-i", shot])
    try:
        program.show_tab(1)
        # The Tab key reads the page as the eye does: the height buttons down, then "Icon".
        for expected in HEIGHTS + ["Icon", HEIGHTS[0]]:
            program.keys("Tab")
            program.focus_becomes(expected)
        program.keys("Tab", "Tab", "Tab")
        program.focus_becomes("300", "push button")
        program.keys("ctrl+v")  # takes the clipboard's screenshot as a dropped one
        program.save_as("Sword")
        want = {"Sword": [(32, 32), (300, 300)]}
        assert wait_until(lambda: sizes(program) == want), sizes(program)
        said = lambda: any(o.name.startswith("Saved ") for o in program.shown())
        assert wait_until(said), "the status line reads no save"
        # A crop: the first crop button, one step right, Enter cuts.
        program.show_tab(2)
        program.keys("Tab")
        program.focus_becomes("300 100", "push button")
        program.keys("space", "Right", "Return")
        program.save_as("Crop")
        want["Crop"] = [(300, 100)]
        assert wait_until(lambda: sizes(program) == want), sizes(program)
    finally:
        holder.kill()


if __name__ == "__main__":
    run = {"names": names, "keyboard": keyboard}[sys.argv[1]]
    program = Quillmark(sys.argv[2])
    try:
        run(program)
    finally:
        program.close()
    print(f"a11y {sys.argv[1]}: 1 passed, 0 failed")
