#!/usr/bin/env python3
"""Opens a page in headless Chromium and checks that its fields and their effects really work.

The page is copied to a temporary folder with three additions: an error catcher first in the
head, optionally the installation's script files as the last content of the head (the way the
add-in inserts them), and the check scripts (the kinds of --extra-checks, then effect_checks.js)
before the end of the body; the files beside the page (its pictures, scripts) go along when
asked. Chromium opens it under the DevTools protocol, on the pipe that --remote-debugging-pipe
gives: the checks ask the runner, through a binding, for the mouse clicks and key presses of a
user, which go in as the browser's own input (default actions and all), and hand their results
back the same way.

Exit status: 0 all checks passed, 1 a check failed or the browser did not run, 77 skipped
(no Chromium on a developer machine; with CI=true a missing Chromium is a failure).
"""

import argparse
import fcntl
import json
import os
import re
import select
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

SKIP = 77
HERE = Path(__file__).resolve().parent

# Script id and file, in the order the add-in's effects bring them in.
SCRIPT_FILES = [("VQRTextFuncs", "vqrtext.fps"), ("VQRStatus", "vqrstatus.fps")]

CHROMIUM_FLAGS = [
    "--headless",
    "--no-sandbox",
    "--disable-gpu",
    "--disable-background-networking",
    "--disable-component-update",
    "--disable-sync",
    "--no-first-run",
    "--disable-quic",
    # A page under test never reaches the network (a form may send to a real site).
    "--host-resolver-rules=MAP * ~NOTFOUND",
    # Windows that a form sends into must not slow down the timers of the page under test.
    "--disable-background-timer-throttling",
    "--disable-renderer-backgrounding",
    "--disable-backgrounding-occluded-windows",
    "--remote-debugging-pipe",
]

# Seconds that a page's checks may take in all.
DEADLINE = 120

# The keys that the checks press by name: key code, and the text that the key types.
KEYS = {"Enter": (13, "\r"), "Backspace": (8, ""), "ArrowDown": (40, ""), "ArrowUp": (38, "")}

ERROR_CATCHER = (
    "<script>window.ZirirurBrowserErrors=[];"
    "window.addEventListener('error',function(e){ZirirurBrowserErrors.push("
    "e.message+' ('+(e.filename||'page').split('/').pop()+':'+e.lineno+')');});</script>"
)


def find_chromium():
    named = os.environ.get("ZIRIRUR_CHROMIUM")
    if named:
        return shutil.which(named) or (named if os.access(named, os.X_OK) else None)
    for name in ("chromium", "chromium-browser", "google-chrome"):
        found = shutil.which(name)
        if found:
            return found
    return None


def page_codec(raw):
    """How to splice ASCII into the page's bytes without disturbing its own encoding."""
    if raw.startswith(b"\xff\xfe") or raw.startswith(b"\xfe\xff"):
        return "utf-16"
    return "latin-1"  # byte for byte: ASCII goes in, every other byte stays as it was


def insert_before_last(text, pattern, addition):
    matches = list(re.finditer(pattern, text, re.IGNORECASE))
    if not matches:
        return None
    at = matches[-1].start()
    return text[:at] + addition + text[at:]


def prepare_page(page, install_dir, insert_scripts, checks, extra_checks=None):
    raw = page.read_bytes()
    codec = page_codec(raw)
    text = raw.decode(codec)

    head = re.search(r"<head(\s[^>]*)?>", text, re.IGNORECASE)
    if not head:
        raise ValueError("the page has no <head> start tag")
    # After the charset declaration, if any: it must stay within the bytes the browser
    # looks at before it picks the encoding.
    at = head.end()
    charset = re.compile(r"<meta\s[^>]*charset[^>]*>", re.IGNORECASE).search(text, at)
    if charset and not re.search(r"<(script|/head)", text[at : charset.start()], re.IGNORECASE):
        at = charset.end()
    text = text[:at] + ERROR_CATCHER + text[at:]

    if insert_scripts:
        for script_id, file_name in SCRIPT_FILES:
            # Once per page, found by the exact id, as the add-in does it.
            if re.search(r"\bid\s*=\s*[\"']?" + script_id + r"[\"'\s>]", text):
                continue
            # Unchanged, CR LF and all, as the add-in inserts it.
            script = (install_dir / "Scripts" / file_name).read_bytes().decode("cp1252")
            text = insert_before_last(text, r"</head\s*>", script)
            if text is None:
                raise ValueError("the page has no </head> end tag")

    check_script = (
        "<script>window.ZirirurBrowserChecks="
        + json.dumps(checks, ensure_ascii=True)
        + ";</script>\n"
    )
    for script in ([extra_checks] if extra_checks else []) + [HERE / "effect_checks.js"]:
        check_script += "<script>\n" + script.read_text(encoding="ascii") + "</script>\n"
    with_checks = insert_before_last(text, r"</body\s*>", check_script)
    text = with_checks if with_checks is not None else text + check_script
    return text.encode(codec)


class DevTools:
    """Chromium under the DevTools protocol: JSON messages ending in NUL, written to its
    descriptor 3 and read from its descriptor 4."""

    def __init__(self, chromium, profile, log):
        to_browser, commands = os.pipe()
        self.replies, from_browser = os.pipe()
        self.commands = open(commands, "wb")
        # Above 4, so that moving them to 3 and 4 in the child cannot overwrite one another.
        ends = [fcntl.fcntl(fd, fcntl.F_DUPFD_CLOEXEC, 5) for fd in (to_browser, from_browser)]
        os.close(to_browser)
        os.close(from_browser)

        def give_pipe():
            os.dup2(ends[0], 3)
            os.dup2(ends[1], 4)

        self.process = subprocess.Popen(
            [chromium, *CHROMIUM_FLAGS, f"--user-data-dir={profile}", "about:blank"],
            stdin=subprocess.DEVNULL, stdout=log, stderr=log, preexec_fn=give_pipe,
            pass_fds=(3, 4))
        for fd in ends:
            os.close(fd)
        self.buffer = b""
        self.last_id = 0
        self.pending = []  # events that came while a call waited for its reply
        self.deadline = time.monotonic() + DEADLINE

    def send(self, method, params=None, session=None):
        self.last_id += 1
        message = {"id": self.last_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        self.commands.write(json.dumps(message).encode() + b"\0")
        self.commands.flush()
        return self.last_id

    def receive(self):
        while b"\0" not in self.buffer:
            left = self.deadline - time.monotonic()
            if left <= 0 or not select.select([self.replies], [], [], left)[0]:
                raise TimeoutError(f"the checks did not finish within {DEADLINE} seconds")
            data = os.read(self.replies, 1 << 16)
            if not data:
                raise EOFError("chromium closed the DevTools pipe")
            self.buffer += data
        message, self.buffer = self.buffer.split(b"\0", 1)
        message = json.loads(message)
        if message.get("method") == "Page.javascriptDialogOpening":
            # Dismissed at once, or it would hold the page and the input that opened it.
            self.send("Page.handleJavaScriptDialog", {"accept": False}, message["sessionId"])
        return message

    def call(self, method, params=None, session=None):
        wanted = self.send(method, params, session)
        while True:
            message = self.receive()
            if message.get("id") == wanted:
                if "error" in message:
                    raise RuntimeError(f"{method}: {message['error'].get('message')}")
                return message.get("result", {})
            if "method" in message:
                self.pending.append(message)

    def event(self):
        return self.pending.pop(0) if self.pending else self.receive()

    def close(self):
        try:
            self.send("Browser.close")
            self.process.wait(timeout=10)
        except (OSError, subprocess.TimeoutExpired):
            self.process.kill()
            self.process.wait()
        finally:
            self.commands.close()
            os.close(self.replies)


def act_as_user(tools, session, action):
    """The browser's own input for one request of the checks (see effect_checks.js)."""
    def mouse(kind, **more):
        tools.call("Input.dispatchMouseEvent",
                   {"type": kind, "x": action["x"], "y": action["y"], **more}, session)

    def key(name, code, text):
        press = {"key": name, "code": name if code else "", "windowsVirtualKeyCode": code}
        tools.call("Input.dispatchKeyEvent",
                   {"type": "keyDown" if text else "rawKeyDown", "text": text, **press}, session)
        tools.call("Input.dispatchKeyEvent", {"type": "keyUp", **press}, session)

    if action["act"] == "click":
        mouse("mouseMoved")
        for count in range(1, action.get("clicks", 1) + 1):
            mouse("mousePressed", button="left", clickCount=count)
            mouse("mouseReleased", button="left", clickCount=count)
    elif action["act"] == "key":
        key(action["key"], *KEYS[action["key"]])
    elif action["act"] == "type":
        for character in action["text"]:
            key(character, 0, character)


def run_checks(chromium, page_url, work):
    """The check script's result lines, and the exceptions that the page left uncaught."""
    profile = work / "profile"
    profile.mkdir()
    with open(work / "chromium.log", "wb") as log:
        tools = DevTools(chromium, profile, log)
        try:
            return drive_page(tools, page_url)
        finally:
            tools.close()


def drive_page(tools, page_url):
    target = next(info["targetId"] for info in tools.call("Target.getTargets")["targetInfos"]
                  if info["type"] == "page")
    session = tools.call("Target.attachToTarget", {"targetId": target, "flatten": True})[
        "sessionId"]
    for method, params in [("Runtime.enable", {}), ("Page.enable", {}),
                           # The page has the focus as a window in front would.
                           ("Emulation.setFocusEmulationEnabled", {"enabled": True}),
                           ("Runtime.addBinding", {"name": "zirirurRunner"}),
                           ("Page.navigate", {"url": page_url})]:
        tools.call(method, params, session)
    uncaught = []
    while True:
        message = tools.event()
        method, params = message.get("method"), message.get("params", {})
        if method == "Page.frameNavigated" and "parentId" not in params["frame"]:
            if params["frame"]["url"] != page_url:
                raise RuntimeError(f"the page was left for {params['frame']['url']}")
        elif method == "Runtime.exceptionThrown":
            details = params["exceptionDetails"]
            uncaught.append(details.get("exception", {}).get("description") or details["text"])
        elif method == "Page.javascriptDialogOpening":
            uncaught.append(f"a {params['type']} dialog that no check expected: "
                            f"{params['message']}")
        elif method == "Runtime.bindingCalled":
            request = json.loads(params["payload"])
            if "results" in request:
                return request["results"].splitlines(), uncaught
            act_as_user(tools, session, request)
            # Not waited for: the check goes on at once, and may open a dialog of its own.
            tools.send("Runtime.evaluate",
                       {"expression": f"ZirirurUser.answered({int(request['id'])})"}, session)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--page", required=True, type=Path)
    parser.add_argument("--install", required=True, type=Path, help="installation folder")
    parser.add_argument("--with-page-files", action="store_true",
                        help="copy the files beside the page too (its pictures, scripts)")
    parser.add_argument("--insert-scripts", action="store_true",
                        help="insert the Scripts folder's files into the head first")
    parser.add_argument("--extra-checks", type=Path,
                        help="a script of further check kinds (see component_checks.js)")
    parser.add_argument("checks", nargs="*", help="kind:field[:argument]")
    options = parser.parse_args()

    chromium = find_chromium()
    if not chromium:
        if os.environ.get("CI", "").lower() in ("true", "1", "yes"):
            print("FAIL: chromium not found (CI is set); run scripts/setup.sh")
            return 1
        print("SKIP: chromium not found; install it (apt-get install chromium) to run this test")
        return SKIP

    with tempfile.TemporaryDirectory(prefix="zirirur-browser-") as work:
        work = Path(work)
        prepared = work / options.page.name
        if options.with_page_files:
            for beside in options.page.parent.iterdir():
                if beside.is_file() and beside != options.page:
                    shutil.copyfile(beside, work / beside.name)
        try:
            prepared.write_bytes(
                prepare_page(options.page, options.install, options.insert_scripts,
                             options.checks, options.extra_checks))
        except (OSError, ValueError) as problem:
            print(f"FAIL: cannot prepare {options.page}: {problem}")
            return 1
        try:
            results, uncaught = run_checks(chromium, prepared.as_uri(), work)
        except (OSError, EOFError, TimeoutError, RuntimeError) as problem:
            print(f"FAIL: {problem}")
            log = (work / "chromium.log").read_bytes().decode("utf-8", "replace")
            print("\n".join(log.splitlines()[-30:]))
            return 1

    if results[-1:] != ["END"]:
        print("FAIL: the checks gave no end line")
        return 1
    results = results[:-1]
    # A backstop for errors the page's own catcher cannot see.
    if uncaught:
        results.append(f"FAIL browser console: {len(uncaught)} uncaught errors, the first: "
                       f"{uncaught[0]}")
    print(f"{options.page.name}: {len(results)} checks")
    print("\n".join(results))
    failed = [line for line in results if not line.startswith("PASS ")]
    expected = len(options.checks) + 2  # the focus probe and the error summary come on top
    if len(results) < expected:
        failed.append(f"only {len(results)} results for {expected} checks")
    if failed:
        print(f"{len(failed)} failed")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
