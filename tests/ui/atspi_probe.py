"""Reads the running Lumiq window through AT-SPI, as a screen reader does,
while typing into it with xdotool like a user; on a Wayland display, where no
client may type into another, it types and clicks through AT-SPI as an
assistive technology does. Exits non-zero on a mismatch."""
import os
import subprocess
import sys
import time

import pyatspi

TITLE = "LED utility for light conversion"
X11 = bool(os.environ.get("DISPLAY"))


def find_app():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name.lower() == "lumiq":
                return app
        time.sleep(0.1)
    sys.exit("FAIL: Lumiq is not on the accessibility bus")


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def by_name(app):
    return {node.name: node for node in walk(app) if node.name}


def named_nodes(app, names, timeout=15.0):
    # The tree fills in as the window is shown; give it time on a busy machine.
    deadline = time.time() + timeout
    while True:
        nodes = by_name(app)
        missing = [name for name in names if name not in nodes]
        if not missing:
            return nodes
        if time.time() > deadline:
            sys.exit(f"FAIL: no accessible object named {missing}")
        time.sleep(0.1)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def enabled(node):
    return node.getState().contains(pyatspi.STATE_ENABLED)


def wait_for(what, check, timeout=15.0):
    deadline = time.time() + timeout
    while time.time() < deadline:
        if check():
            return
        time.sleep(0.05)
    sys.exit(f"FAIL: {what}")


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True).stdout


def press(node):
    action = node.queryAction()
    action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))


class Pointer:
    """Clicks and types as a user does under X11 (xdotool, at the widget's
    place in the window), or else through the widget's own AT-SPI node."""

    def __init__(self, nodes):
        self.nodes = nodes
        self.window = X11 and xdotool("search", "--sync", "--onlyvisible", "--name", f"^{TITLE}$").split()[0]

    def click(self, name, x, y):
        if not self.window:
            return press(self.nodes[name])
        xdotool("mousemove", "--window", self.window, str(x), str(y), "click", "1")

    def type_into(self, name, x, y, keys):  # over the box's text
        if not self.window:
            if not self.nodes[name].queryEditableText().setTextContents(keys):
                sys.exit(f"FAIL: {name} refused its text")
            return
        self.click(name, x, y)
        xdotool("key", "ctrl+a")
        xdotool("type", "--delay", "20", keys)

    def ok(self, alert):
        if not self.window:
            return press(next(n for n in walk(alert) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON))
        xdotool("key", "Return")


def open_alert(app):
    """The open message box, None while none is showing."""
    for node in walk(app):
        if node.getRole() == pyatspi.ROLE_ALERT and node.getState().contains(pyatspi.STATE_SHOWING):
            return node
    return None


def message_on_screen(app):
    """The open message as a screen reader finds it: the alert's description, or
    its labels; None while no alert is showing."""
    try:
        node = open_alert(app)
        labels = node and [n.name for n in walk(node) if n.getRole() == pyatspi.ROLE_LABEL and n.name]
        return node and (node.description or "\n".join(labels))
    except Exception:  # a node closing under us: look again
        return None


def read_message(app, pointer, name, x, y, expected_start):
    pointer.click(name, x, y)
    said = []
    wait_for(f"a message starting {expected_start!r} is read out",
             lambda: said.append(message_on_screen(app)) or (said[-1] or "").startswith(expected_start))
    pointer.ok(open_alert(app))
    wait_for("the message closes", lambda: message_on_screen(app) is None)
    return said[-1]


def main():
    app = find_app()
    names = ["millicandela", "degrees", "millilumen", "Voltage LED", "Current LED", "Power LED",
             "Efficiency", "Wavelength", "Estimated color", "mcd -> mlm", "mlm -> mcd", "Calculate!",
             "Written by Lumiq"]
    nodes = named_nodes(app, names)
    if text_of(nodes["Voltage LED"]) != "in Volts":
        sys.exit(f"FAIL: Voltage reads {text_of(nodes['Voltage LED'])!r}")
    for name in ["millicandela", "degrees", "millilumen", "Power LED", "Efficiency", "Calculate!"]:
        if enabled(nodes[name]):
            sys.exit(f"FAIL: {name} is enabled at start")
    for name in ["Voltage LED", "Current LED", "Wavelength", "mcd -> mlm"]:
        if not enabled(nodes[name]):
            sys.exit(f"FAIL: {name} is disabled at start")

    pointer = Pointer(nodes)
    pointer.type_into("Voltage LED", 56, 177, "3.2")  # inside the Extra frame
    pointer.type_into("Current LED", 56, 217, "20")
    pointer.type_into("Wavelength", 56, 257, "550")
    wait_for("Power reads 64 mW", lambda: text_of(nodes["Power LED"]) == "64 mW")
    wait_for("the swatch describes its colour",
             lambda: nodes["Estimated color"].description == "RGB 127, 229, 0")

    pointer.click("mcd -> mlm", 52, 32)
    wait_for("mcd -> mlm enables the intensity", lambda: enabled(nodes["millicandela"]))
    wait_for("mcd -> mlm enables Calculate!", lambda: enabled(nodes["Calculate!"]))

    # The three messages, read from the dialog as it opens.
    pointer.type_into("millicandela", 56, 100, "abc")
    pointer.type_into("degrees", 140, 100, "400")
    read_message(app, pointer, "Calculate!", 228, 32,
                 "No acceptable numeric value entered for\ndegrees (0-360), please try again! (400)")
    pointer.click("mcd -> mlm", 52, 32)
    wait_for("mcd -> mlm enables the angle again", lambda: enabled(nodes["degrees"]))
    pointer.type_into("degrees", 140, 100, "30")
    read_message(app, pointer, "Calculate!", 228, 32,
                 "No acceptable numeric value entered for\nmillicandela, please try again! (abc)")
    pointer.click("mcd -> mlm", 52, 32)
    wait_for("mcd -> mlm enables the intensity again", lambda: enabled(nodes["millicandela"]))
    pointer.type_into("millicandela", 56, 100, "1000")
    pointer.click("Calculate!", 228, 32)
    wait_for("1000 mcd at 30 degrees gives 214.1 mlm", lambda: text_of(nodes["millilumen"]) == "214.1")
    read_message(app, pointer, "Written by Lumiq", 140, 288, "Encounted an error? Please mail:\n")
    print("PASS: names, texts, states, messages and a conversion read through AT-SPI")


main()
