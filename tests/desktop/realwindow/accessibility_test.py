#!/usr/bin/python3
"""The program as a blind teacher's screen reader and a keyboard-only pupil
meet it: through AT-SPI with pyatspi, and real X key presses.

Runs inside tests/support/with-xvfb.sh: accessibility_test.py PROGRAM. It
starts a session bus and an accessibility bus of its own, runs the program
with accessibility on, and checks the accessible tree's roles and names, that
Toggle on the lengths' box shows the read-outs on screen and in the figure's
description, that Toggle on the memo option switches the mode, that keys
sent to the focused figure turn A by the expected degrees, and that the
toolkit's print dialog keeps the toolkit's own button names.

The program is given no bus address, only the session bus's socket at
$XDG_RUNTIME_DIR/bus, where a systemd session keeps it and libdbus looks.

Nothing waits a fixed time for the program: every wait polls for the state it
needs until a deadline (ALTITUDE_TEST_DEADLINE seconds, 20 unless set), then
fails saying what it waited for. The tree is printed at each stage.
"""

import math
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

DEADLINE = float(os.environ.get("ALTITUDE_TEST_DEADLINE", "20"))
POLL_INTERVAL = 0.05
# How often pyatspi's queue is emptied while a poll pauses.
PUMP_INTERVAL = POLL_INTERVAL / 5

CAPTION = "三角形の直角の頂点から下ろした垂線   by q.Varlen"
FIGURE = "直角三角形ABCと垂線AD"
BLACK, WHITE, MEMO_BLUE = (0, 0, 0), (255, 255, 255), (0, 0, 192)


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


class Session:
    """The buses, the program and its window; stops what it started."""

    def __init__(self, scratch):
        self.children = []
        self.scratch = scratch
        self.stderr_path = os.path.join(scratch, "stderr")
        log = open(os.path.join(scratch, "buses.log"), "w")
        self.runtime = os.path.join(scratch, "runtime")
        os.mkdir(self.runtime, 0o700)
        bus = subprocess.run(["dbus-daemon", "--session", "--fork", "--print-address=1", "--print-pid=1",
                              f"--address=unix:path={self.runtime}/bus"],
                             stdout=subprocess.PIPE, stderr=log, text=True, check=True)
        address, pid = bus.stdout.split()
        self.session_bus = int(pid)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        # Its own process group: the accessibility bus and registry it starts
        # end with it.
        self.children.append(subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                              stdout=log, stderr=log, start_new_session=True))
        self.wait_for_command("the accessibility bus",
                              ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                               "org.a11y.Bus.GetAddress"])
        subprocess.run(["dbus-send", "--session", "--dest=org.a11y.Bus", "/org/a11y/bus",
                        "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status", "string:IsEnabled",
                        "variant:boolean:true"], check=True)
        self.app = None

    def start(self, program):
        """Runs the program with accessibility on, to find the bus by its socket."""
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   XDG_RUNTIME_DIR=self.runtime)
        del env["DBUS_SESSION_BUS_ADDRESS"]
        self.app = subprocess.Popen([program], env=env, stderr=open(self.stderr_path, "w"))
        self.window = None

    def wait_for_command(self, what, command):
        end = time.monotonic() + DEADLINE
        while subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode != 0:
            if time.monotonic() > end:
                fail(f"waited {DEADLINE:g} s for {what}")
            time.sleep(POLL_INTERVAL)

    def find_window(self):
        if self.app.poll() is not None:
            fail(f"the program ended early: {open(self.stderr_path).read()}")
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.app.pid)],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True).stdout.split()
        self.window = found[0] if found else None
        return None if found else "no visible window yet"

    def screenshot(self):
        """The window's pixels as (width, height, bytes of RGB)."""
        ppm = subprocess.run(["import", "-window", self.window, "-depth", "8", "ppm:-"],
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL).stdout
        fields = ppm.split(maxsplit=4)
        if len(fields) < 5 or fields[0] != b"P6":
            return 0, 0, b""
        return int(fields[1]), int(fields[2]), fields[4]

    def stop(self):
        """Ends the program as the desktop would, then the buses."""
        status = None
        if self.app and self.app.poll() is None:
            self.app.send_signal(signal.SIGTERM)
            try:
                status = self.app.wait(DEADLINE)
            except subprocess.TimeoutExpired:
                self.app.kill()
        for child in self.children:
            os.killpg(child.pid, signal.SIGTERM)
            child.wait()
        os.kill(self.session_bus, signal.SIGTERM)
        return status


def pump(seconds):
    """Lets pyatspi's events in for a moment between two polls."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(PUMP_INTERVAL)


def wait_until(what, check):
    """Polls check() until it returns None; otherwise it says what it saw."""
    end = time.monotonic() + DEADLINE
    while True:
        seen = check()
        if seen is None:
            return
        if time.monotonic() > end:
            fail(f"waited {DEADLINE:g} s for {what}; last seen: {seen}")
        pump(POLL_INTERVAL)


def states(accessible):
    return sorted(pyatspi.stateToString(s) for s in accessible.getState().getStates())


def dump(accessible, title, depth=0):
    if depth == 0:
        print(f"--- {title}")
    description = f" description={accessible.description!r}" if accessible.description else ""
    print(f"{'  ' * depth}[{accessible.getRoleName()}] {accessible.name!r}{description} {' '.join(states(accessible))}")
    for child in accessible:
        dump(child, title, depth + 1)


def find(root, name):
    if root.name == name:
        return root
    for child in root:
        found = find(child, name)
        if found:
            return found
    return None


def act(accessible, action):
    actions = accessible.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if action not in names:
        fail(f"{accessible.name} offers {names}, not {action}")
    actions.doAction(names.index(action))


def colour_count(shot, x0, y0, w, h, colour):
    width, _, data = shot
    count = 0
    for y in range(y0, y0 + h):
        row = y * width * 3
        for x in range(x0, x0 + w):
            count += tuple(data[row + 3 * x:row + 3 * x + 3]) == colour
    return count


def pixel(shot, x, y):
    width, _, data = shot
    return tuple(data[(y * width + x) * 3:(y * width + x) * 3 + 3])


def altitude_x(angle):
    """Where the altitude stands for AngleA in the 900 x 541 window."""
    return 450 + 5 * 54.1 * math.cos(angle * 3.14 / 180)


def main(program):
    scratch = tempfile.mkdtemp()
    session = Session(scratch)
    try:
        run(session, program)
    finally:
        status = session.stop()
        errors = open(session.stderr_path).read() if os.path.exists(session.stderr_path) else ""
        shutil.rmtree(scratch, ignore_errors=True)
    if status != 0 or errors:
        fail(f"the program ended with status {status}: {errors}")
    print("PASS")


def run(session, program):
    # Imported only now: the library finds the accessibility bus through the
    # session bus that Session has just started.
    global pyatspi, GLib
    import pyatspi
    from gi.repository import GLib

    # Listening before the program starts: it asks at start-up which events
    # anyone listens to, and sends only those.
    described = []
    pyatspi.Registry.registerEventListener(
        lambda event: described.append(event.source.name), "object:property-change:accessible-description")
    session.start(program)
    wait_until("the program's window", session.find_window)

    desktop = pyatspi.Registry.getDesktop(0)
    application = []

    def registered():
        application[:] = [a for a in desktop if a is not None and a.name == "altitude"]
        return None if application and application[0].childCount else "no application 'altitude' with a window"
    wait_until("the program on the accessibility bus", registered)

    frame = application[0][0]
    dump(frame, "as the window opens")
    figure = find(frame, FIGURE)
    group = find(frame, "Ａ移動・メモクリア").parent
    expected = [
        (frame.getRole() == pyatspi.ROLE_FRAME and frame.name == CAPTION, "a frame named by the caption"),
        (figure is not None and figure.getRole() == pyatspi.ROLE_IMAGE, "the figure, a graphic"),
        (figure is not None and "focusable" in states(figure), "a focusable figure"),
        (figure is not None and figure.description == "長さは表示されていません", "no length described"),
        ([c.name for c in group] == ["Ａ移動・メモクリア", "メモ書き"], "both option buttons in one group"),
        (group.getRole() == pyatspi.ROLE_PANEL and group.parent.name == CAPTION, "their group, a panel of the frame"),
        (find(frame, "初期画面") is not None and find(frame, "初期画面").getRole() == pyatspi.ROLE_PUSH_BUTTON,
         "the reset button by its caption"),
    ]
    for holds, what in expected:
        if not holds:
            fail(f"the tree lacks {what}")

    # Toggle on the lengths' box: the read-outs on screen and in words.
    act(find(frame, "３辺の長さ"), "Toggle")
    sides = "BC ５cm、AB 4cm、AC 3cm"

    def lengths_shown():
        shot = session.screenshot()
        if not shot[2]:
            return "no screenshot"
        for x, y, w, h, what in [(420, 457, 60, 29, "BC"), (250, 285, 80, 35, "AB"), (636, 285, 80, 35, "AC")]:
            if colour_count(shot, x, y, w, h, BLACK) <= 20:
                return f"no {what} read-out on screen"
        if figure.description != sides:
            return f"the description {figure.description!r}"
        if FIGURE not in described:
            return "no description change announced"
        return None
    wait_until("the three sides' read-outs", lengths_shown)
    dump(frame, "after Toggle on ３辺の長さ")

    # Toggle on the memo option: a drag now draws and leaves A alone;
    # Toggle on the other option erases it and turns A again.
    act(find(frame, "メモ書き"), "Toggle")
    wait_until("memo mode", lambda: None if "checked" in states(find(frame, "メモ書き")) else "not checked")
    drag(session.window, 620, 100, 20, 10)

    def memo_drawn():
        shot = session.screenshot()
        if colour_count(shot, 630, 96, 180, 9, MEMO_BLUE) <= 500:
            return "no memo stroke"
        return None if pixel(shot, 524, 300) == BLACK else "the altitude moved"
    wait_until("a memo stroke with A unmoved", memo_drawn)
    act(find(frame, "Ａ移動・メモクリア"), "Toggle")
    wait_until("the memo to be erased",
               lambda: "memo left" if colour_count(session.screenshot(), 600, 90, 240, 20, MEMO_BLUE) else None)

    # Keys to the focused figure: ten presses of Left turn A ten degrees
    # towards B, one of Shift+Right ten degrees back.
    subprocess.run(["xdotool", "windowfocus", session.window], check=True)
    figure.queryComponent().grabFocus()
    wait_until("the figure to take the focus", lambda: None if "focused" in states(figure) else "not focused")
    subprocess.run(["xdotool", "key", "--delay", "30"] + ["Left"] * 10, check=True)
    wait_until("A at 84 degrees", lambda: altitude_at(session, 84, 74))
    wait_until("the lengths at 84 degrees described",
               lambda: None if figure.description == "BC ５cm、AB 3.7cm、AC 3.3cm" else figure.description)
    dump(frame, "after ten presses of Left")
    subprocess.run(["xdotool", "key", "shift+Right"], check=True)
    wait_until("A back at 74 degrees", lambda: altitude_at(session, 74, 84))

    # The lesson's step control: buttons only while the lesson is on, named
    # by what they do, the step as text between them. Three real clicks on
    # 次へ reach step 4; 授業を終える ends the lesson and takes them away.
    step_buttons = ["前へ", "次へ", "授業を終える"]

    def shown(name):
        found = find(frame, name)
        return found if found is not None and "showing" in states(found) else None
    if any(shown(name) for name in step_buttons):
        fail("a step control before the lesson")
    subprocess.run(["xdotool", "key", "F5"], check=True)
    wait_until("F5 to show the step control",
               lambda: None if all(shown(name) for name in step_buttons) and shown("1／9") else "no step control")
    for name in step_buttons:
        if shown(name).getRole() != pyatspi.ROLE_PUSH_BUTTON:
            fail(f"{name} is no button")
    x, y, w, h = shown("次へ").queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    for step in (2, 3, 4):
        subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"], check=True)
        wait_until(f"a click on 次へ to reach step {step}",
                   lambda: None if shown(f"{step}／9") else "the step unchanged")
    act(shown("授業を終える"), "Press")
    wait_until("授業を終える to end the lesson",
               lambda: "the step control still shown" if any(shown(name) for name in step_buttons) else None)
    wait_until("the description without the lesson",
               lambda: None if figure.description == sides else figure.description)

    # The print dialog's buttons are the toolkit's: named without the
    # mnemonic markers their captions carry.
    subprocess.run(["xdotool", "key", "ctrl+p"], check=True)
    dialog = []

    def print_dialog():
        dialog[:] = [w for w in application[0] if w is not None and w.name == "印刷"]
        return None if dialog and buttons(dialog[0]) else "no print dialog with buttons"
    wait_until("the print dialog", print_dialog)
    dump(dialog[0], "the print dialog")
    names = [b.name for b in buttons(dialog[0])]
    if any("&" in name or not name for name in names):
        fail(f"the print dialog's buttons read {names}")
    if not any("is default" in states(b) for b in buttons(dialog[0])):
        fail("the print dialog has no default button")
    # Closed through its キャンセル button's action, not a key: the toolkit's
    # AT-SPI bridge holds a copy of every key event until the registry
    # answers, and drops it unfreed if the program ends first, which the
    # leak checker would take for the program's leak.
    cancel = [b for b in buttons(dialog[0]) if b.name == "キャンセル"]
    if not cancel:
        fail(f"the print dialog has no キャンセル button: {names}")
    cancel[0].queryAction().doAction(0)
    wait_until("the print dialog to close",
               lambda: "still open" if [w for w in application[0] if w is not None and w.name == "印刷"] else None)


def buttons(root):
    found = [root] if root.getRole() == pyatspi.ROLE_PUSH_BUTTON else []
    for child in root:
        if child is not None:
            found += buttons(child)
    return found


def drag(window, x, y, moves, step):
    subprocess.run(["xdotool", "mousemove", "--window", window, str(x), str(y), "mousedown", "1"], check=True)
    for i in range(1, moves + 1):
        subprocess.run(["xdotool", "mousemove", "--window", window, str(x + step * i), str(y)], check=True)
    subprocess.run(["xdotool", "mouseup", "1"], check=True)


def altitude_at(session, angle, old_angle):
    shot = session.screenshot()
    if not shot[2]:
        return "no screenshot"
    new, old = round(altitude_x(angle)), round(altitude_x(old_angle))
    if pixel(shot, new, 240) != BLACK:
        return f"pixel {new},240 is {pixel(shot, new, 240)}, not the altitude"
    return None if pixel(shot, old, 240) == WHITE else f"the altitude still at x = {old}"


if __name__ == "__main__":
    main(sys.argv[1])
