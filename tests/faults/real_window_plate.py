#!/usr/bin/env python3
"""Proves the plate export tool against the real window under a virtual X server: the viewer
runs in a directory holding a copy of the data set; after Enter (the language confirmed) its
window must equal, pixel for pixel, the picture the export tool writes for the same key; after
a second Enter (the command bar opens on its exit cell) the viewer must end with status 0.
Exits 77 (skipped) when Xvfb, xdotool or python3-xlib is missing.

usage: real_window_plate.py DRELMIKS DRELMIKS_PLATE DATA_DIR OUTPUT_DIR"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zlib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "platform", "window_probe"))
import run_window_probe as probe  # noqa: E402  (Xvfb, window lookup, screenshots, comparison)

DATA_FILES = ("DRELMIKS.WN1", "DRELMIKS.WN2")


def read_png(path):
    """The picture of a non-interlaced 8-bit PNG (palette or RGB) as RGB bytes, row by row."""
    with open(path, "rb") as f:
        data = f.read()
    if not data.startswith(b"\x89PNG\r\n\x1a\n"):
        raise probe.Failure(f"{path} is no PNG file")
    at, header, palette, compressed = 8, None, None, b""
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        at += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"PLTE":
            palette = body
        elif kind == b"IDAT":
            compressed += body
    width, height, depth, colour, _, _, interlace = header
    if (width, height) != (probe.WIDTH, probe.HEIGHT) or depth != 8 or interlace != 0 or colour not in (2, 3):
        raise probe.Failure(f"{path}: {width} x {height}, depth {depth}, colour type {colour}: not expected")
    step = 3 if colour == 2 else 1
    raw = zlib.decompress(compressed)
    stride = width * step
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - step] if i >= step else 0
            up, corner = previous[i], previous[i - step] if i >= step else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 0xFF
        rows.append(bytes(line))
        previous = line
    pixels = b"".join(rows)
    if colour == 2:
        return pixels
    return b"".join(palette[3 * i:3 * i + 3] for i in pixels)


def await_picture(window, expected, out_dir, name):
    """Waits until the window shows `expected`; otherwise fails with both pictures kept."""
    deadline = time.monotonic() + probe.TIMEOUT
    while probe.screenshot(window) != expected and time.monotonic() < deadline:
        time.sleep(0.05)
    probe.compare(probe.screenshot(window), expected, out_dir, name)


def export_pictures(plate_tool, work):
    """The export tool's pictures for the key Enter: the language screen, then the first plate."""
    prefix = os.path.join(work, "export")
    subprocess.run([plate_tool, "--data", work, "--keys", "enter", "--out", prefix], check=True,
                   timeout=probe.TIMEOUT, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    pictures = [read_png(f"{prefix}-{n:03d}.png") for n in (0, 1)]
    for n in (0, 1):
        os.remove(f"{prefix}-{n:03d}.png")  # the viewer's directory holds only its data files
    return pictures


def check_viewer(display, viewer, work, env, language, plate, out_dir):
    from Xlib import X
    probe.release_keys(env)
    with tempfile.TemporaryFile() as errors:
        program = subprocess.Popen([viewer], cwd=work, env=env, stdout=subprocess.DEVNULL, stderr=errors)
        try:
            window = probe.find_window(display, probe.CAPTION)
            # The language screen is shown only once the viewer waits for a key; a key typed
            # earlier would be thrown away with the type-ahead.
            await_picture(window, language, out_dir, "plate-window-language")
            window.set_input_focus(X.RevertToParent, X.CurrentTime)
            display.sync()
            probe.xdotool(env, "key", "Return")
            await_picture(window, plate, out_dir, "plate-window-first-plate")
            probe.xdotool(env, "key", "Return")
            try:
                status = program.wait(timeout=probe.TIMEOUT)
            except subprocess.TimeoutExpired:
                raise probe.Failure("the viewer did not end after the exit command") from None
            errors.seek(0)
            text = errors.read().decode("latin-1")
            if status != 0:
                raise probe.Failure(f"the viewer ended with status {status}: {text!r}")
            probe.find_window(display, probe.CAPTION, present=False)
        finally:
            if program.poll() is None:
                program.kill()
                program.wait()


def main():
    if len(sys.argv) != 5:
        print(__doc__.splitlines()[-1], file=sys.stderr)
        return 2
    reason = probe.skip_reason()
    if reason:
        print("skipped: " + reason)
        return probe.SKIP
    viewer, plate_tool, data_dir, out_dir = (os.path.abspath(arg) for arg in sys.argv[1:])
    os.makedirs(out_dir, exist_ok=True)
    import Xlib.display
    server = None
    try:
        with tempfile.TemporaryDirectory(prefix="drelmiks-window-") as work:
            for name in DATA_FILES:
                shutil.copyfile(os.path.join(data_dir, name), os.path.join(work, name))
            language, plate = export_pictures(plate_tool, work)
            server, display_name = probe.start_xvfb()
            env = {k: v for k, v in os.environ.items() if k not in ("SDL_VIDEODRIVER", "WAYLAND_DISPLAY")}
            env["DISPLAY"] = display_name
            suppressions = os.path.join(os.path.dirname(os.path.abspath(probe.__file__)), "lsan.supp")
            env["LSAN_OPTIONS"] = ":".join(filter(None, [env.get("LSAN_OPTIONS"), "suppressions=" + suppressions,
                                                         "print_suppressions=0"]))
            display = Xlib.display.Display(display_name)
            check_viewer(display, viewer, work, env, language, plate, out_dir)
        print("the exported first plate equals the real window; the exit command ends the viewer with 0")
        return 0
    except (probe.Failure, OSError, subprocess.SubprocessError) as failure:
        print("FAILED: " + str(failure), file=sys.stderr)
        return 1
    finally:
        if server is not None:
            server.kill()
            server.wait()


if __name__ == "__main__":
    sys.exit(main())
