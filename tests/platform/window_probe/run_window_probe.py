#!/usr/bin/env python3
"""Proves the real window under a virtual X server: types keys into the window probe with
xdotool, checks the characters it reads, compares screenshots of the window with the headless
picture of the same keys, sends a close request as the close box does, and checks the message
box of a run-time error. Exits 77 (skipped) when Xvfb, xdotool or python3-xlib is missing."""
import os
import queue
import re
import select
import shutil
import struct
import subprocess
import sys
import threading
import time
import zlib

SKIP = 77
CAPTION = "Morvenbek data presentation"
SCREEN_W, SCREEN_H = 1024, 768
WIDTH, HEIGHT = 640, 480
TIMEOUT = 15  # seconds for any one step

# xdotool key names and the characters the key reader must give for them.
KEYS = [
    ("Right", [0, 77]), ("Left", [0, 75]), ("Up", [0, 72]), ("Down", [0, 80]),
    ("shift+Up", [0, 72]), ("shift+Left", [0, 75]),
    ("h", [104]), ("H", [72]), ("shift+h", [72]), ("7", [55]), ("space", [32]),
    ("Return", [13]), ("KP_Enter", [13]), ("Escape", [27]), ("Tab", [9]), ("BackSpace", [8]),
    ("ctrl+c", [3]),
    ("F1", [0, 59]), ("F10", [0, 68]), ("Home", [0, 71]), ("End", [0, 79]),
    ("Prior", [0, 73]), ("Next", [0, 81]), ("Insert", [0, 82]), ("Delete", [0, 83]),
    ("ctrl+Left", [0, 115]), ("ctrl+Right", [0, 116]),
    ("alt+F4", [0, 107]),
]
CLOSE_REQUEST = [0, 107]


class Failure(Exception):
    pass


def skip_reason():
    for tool in ("Xvfb", "xdotool"):
        if not shutil.which(tool):
            return tool + " is not installed"
    try:
        import Xlib.display  # noqa: F401
    except ImportError:
        return "python3-xlib is not installed for " + sys.executable
    return None


def start_xvfb():
    read_end, write_end = os.pipe()
    command = ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{SCREEN_W}x{SCREEN_H}x24", "-nolisten", "tcp"]
    server = subprocess.Popen(command, pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + TIMEOUT
    while not number.endswith(b"\n"):
        if not select.select([read_end], [], [], max(0, deadline - time.monotonic()))[0]:
            server.kill()
            raise Failure("Xvfb did not start")
        chunk = os.read(read_end, 16)
        if not chunk:
            raise Failure("Xvfb ended at start")
        number += chunk
    os.close(read_end)
    return server, ":" + number.decode().strip()


class Probe:
    """The probe program, its output lines read on threads so every wait can time out."""

    def __init__(self, args, env):
        self.process = subprocess.Popen(args, env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        self.lines = queue.Queue()
        self.stderr = b""
        threading.Thread(target=self._read_stdout, daemon=True).start()
        self.stderr_thread = threading.Thread(target=self._read_stderr, daemon=True)
        self.stderr_thread.start()

    def _read_stdout(self):
        for line in self.process.stdout:
            self.lines.put(line.decode().strip())

    def _read_stderr(self):
        self.stderr = self.process.stderr.read()

    def expect(self, wanted):
        try:
            line = self.lines.get(timeout=TIMEOUT)
        except queue.Empty:
            raise Failure(f"the probe did not say {wanted!r} in time") from None
        if line != wanted:
            raise Failure(f"the probe said {line!r}, expected {wanted!r}")

    def expect_keys(self, codes):
        for code in codes:
            self.expect(f"key {code}")
            self.expect("ready")

    def wait(self):
        try:
            status = self.process.wait(timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            raise Failure("the probe did not end in time") from None
        self.stderr_thread.join(TIMEOUT)
        return status

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def window_name(display, window):
    from Xlib import Xatom
    for prop, kind in (("_NET_WM_NAME", display.intern_atom("UTF8_STRING")), ("WM_NAME", Xatom.STRING)):
        value = window.get_full_property(display.intern_atom(prop), kind)
        if value and value.value:
            data = value.value
            return data.decode("utf-8", "replace") if isinstance(data, bytes) else str(data)
    return None


def find_window(display, name, present=True):
    """Waits until a top-level window with this name exists (or, with present=False, none does)."""
    from Xlib import error
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        found = None
        for window in display.screen().root.query_tree().children:
            try:
                if window.get_attributes().map_state == 2 and window_name(display, window) == name:
                    found = window
            except error.XError:
                pass  # gone meanwhile
        if (found is not None) == present:
            return found
        time.sleep(0.05)
    raise Failure(f"window {name!r} {'did not appear' if present else 'did not go away'}")


def screenshot(window):
    from Xlib import X
    image = window.get_image(0, 0, WIDTH, HEIGHT, X.ZPixmap, 0xFFFFFFFF)
    data = image.data
    if len(data) != WIDTH * HEIGHT * 4:
        raise Failure(f"unexpected screenshot format (depth {image.depth})")
    rgb = bytearray(WIDTH * HEIGHT * 3)  # from BGRX
    rgb[0::3], rgb[1::3], rgb[2::3] = data[2::4], data[1::4], data[0::4]
    return bytes(rgb)


def headless_picture(probe_path, codes, out_dir, name):
    path = os.path.join(out_dir, name + "-headless.ppm")
    subprocess.run([probe_path, "--headless", path] + [str(c) for c in codes], check=True, timeout=TIMEOUT,
                   stdout=subprocess.DEVNULL)
    with open(path, "rb") as f:
        data = f.read()
    os.remove(path)
    header = f"P6\n{WIDTH} {HEIGHT}\n255\n".encode()
    if not data.startswith(header):
        raise Failure("the headless picture is no 640 x 480 PPM")
    return data[len(header):]


def write_png(path, rgb):
    raw = b"".join(b"\0" + rgb[y * WIDTH * 3:(y + 1) * WIDTH * 3] for y in range(HEIGHT))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 2, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def compare(actual, expected, out_dir, name):
    if actual == expected:
        return
    differing = [i // 3 for i in range(0, len(actual), 3) if actual[i:i + 3] != expected[i:i + 3]]
    os.makedirs(out_dir, exist_ok=True)
    write_png(os.path.join(out_dir, name + "-ACTUAL.png"), actual)
    write_png(os.path.join(out_dir, name + "-EXPECTED.png"), expected)
    first = ", ".join(f"({p % WIDTH}, {p // WIDTH}) {tuple(actual[p * 3:p * 3 + 3])} "
                      f"expected {tuple(expected[p * 3:p * 3 + 3])}" for p in differing[:5])
    raise Failure(f"{name}: {len(differing)} pixels differ from the headless picture "
                  f"(PNGs in {out_dir}); {first}")


def check_repaint(display, window, expected, out_dir):
    """Covers the top half of the window for a moment: the window must paint itself again."""
    from Xlib import X
    origin = window.translate_coords(display.screen().root, 0, 0)
    screen = display.screen()
    cover = screen.root.create_window(-origin.x, -origin.y, WIDTH, HEIGHT // 2, 0, screen.root_depth,
                                      background_pixel=screen.white_pixel, override_redirect=True)
    cover.map()
    display.sync()
    covered = screenshot(window)
    cover.destroy()
    display.sync()
    if covered == expected:
        raise Failure("covering the window changed nothing on screen; the repaint check proves nothing")
    deadline = time.monotonic() + TIMEOUT
    while screenshot(window) != expected and time.monotonic() < deadline:
        time.sleep(0.02)
    compare(screenshot(window), expected, out_dir, "window-repainted")


def send_close_request(display, window):
    from Xlib import X
    from Xlib.protocol import event
    protocols = display.intern_atom("WM_PROTOCOLS")
    delete = display.intern_atom("WM_DELETE_WINDOW")
    message = event.ClientMessage(window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(message, event_mask=X.NoEventMask)
    display.flush()


def xdotool(env, *args):
    subprocess.run(["xdotool"] + list(args), env=env, check=True, timeout=TIMEOUT)


def release_keys(env):
    xdotool(env, "keyup", "q", "Return", "shift", "ctrl", "alt")


def check_window(display, probe_path, env, out_dir):
    from Xlib import X
    release_keys(env)
    probe = Probe([probe_path], env)
    try:
        probe.expect("ready")
        window = find_window(display, CAPTION)
        geometry = window.get_geometry()
        origin = window.translate_coords(display.screen().root, 0, 0)
        if (geometry.width, geometry.height) != (WIDTH, HEIGHT):
            raise Failure(f"client area {geometry.width} x {geometry.height}")
        if (-origin.x, -origin.y) != ((SCREEN_W - WIDTH) // 2, (SCREEN_H - HEIGHT) // 2):
            raise Failure(f"window at {-origin.x}, {-origin.y}: not centred")
        hints = window.get_wm_normal_hints()
        if (hints.min_width, hints.min_height, hints.max_width, hints.max_height) != (WIDTH, HEIGHT) * 2:
            raise Failure("the window can be resized")

        compare(screenshot(window), headless_picture(probe_path, [], out_dir, "window-start"), out_dir,
                "window-start")

        window.set_input_focus(X.RevertToParent, X.CurrentTime)
        display.sync()
        typed = []
        for name, codes in KEYS:
            xdotool(env, "key", "--clearmodifiers", name)
            try:
                probe.expect_keys(codes)
            except Failure as failure:
                raise Failure(f"key {name}: {failure}") from None
            typed += codes
        expected = headless_picture(probe_path, typed, out_dir, "window-keys")
        compare(screenshot(window), expected, out_dir, "window-keys")
        check_repaint(display, window, expected, out_dir)

        send_close_request(display, window)
        probe.expect_keys(CLOSE_REQUEST)
        find_window(display, CAPTION)  # the close box does not close the window

        xdotool(env, "key", "q")
        probe.expect("key 113")
        status = probe.wait()
        if status != 0:
            raise Failure(f"the probe ended with status {status}: {probe.stderr.decode('latin-1')!r}")
    finally:
        probe.kill()


def check_error_box(display, probe_path, env):
    release_keys(env)
    probe = Probe([probe_path, "--error", "201"], env)
    try:
        probe.expect("ready")
        box = find_window(display, "Error")
        find_window(display, CAPTION, present=False)  # the window closed before the box
        xdotool(env, "key", "--window", str(box.id), "Return")
        status = probe.wait()
        if status != 201:
            raise Failure(f"after the error box the probe ended with status {status}, expected 201")
        text = probe.stderr.decode("latin-1")
        layout = r"Runtime error 201 at \$([0-9A-F]{8})\r\n  \$\1\r\n(  \$[0-9A-F]{8}\r\n)*\r\n"
        if not re.fullmatch(layout, text):
            raise Failure(f"standard error held {text!r}")
    finally:
        probe.kill()


def main():
    if len(sys.argv) != 3:
        print("usage: run_window_probe.py WINDOW_PROBE OUTPUT_DIR", file=sys.stderr)
        return 2
    reason = skip_reason()
    if reason:
        print("skipped: " + reason)
        return SKIP
    probe_path, out_dir = sys.argv[1], sys.argv[2]
    os.makedirs(out_dir, exist_ok=True)
    import Xlib.display
    server, display_name = start_xvfb()
    try:
        env = {k: v for k, v in os.environ.items() if k not in ("SDL_VIDEODRIVER", "WAYLAND_DISPLAY")}
        env["DISPLAY"] = display_name
        suppressions = os.path.join(os.path.dirname(os.path.abspath(__file__)), "lsan.supp")
        lsan = [env.get("LSAN_OPTIONS"), "suppressions=" + suppressions, "print_suppressions=0"]
        env["LSAN_OPTIONS"] = ":".join(filter(None, lsan))
        display = Xlib.display.Display(display_name)
        check_window(display, probe_path, env, out_dir)
        check_error_box(display, probe_path, env)
        print("the real window matches the headless picture; close request and error box work")
        return 0
    except (Failure, subprocess.SubprocessError) as failure:
        print("FAILED: " + str(failure), file=sys.stderr)
        return 1
    finally:
        server.kill()
        server.wait()


if __name__ == "__main__":
    sys.exit(main())
