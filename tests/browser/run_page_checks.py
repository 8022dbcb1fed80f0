#!/usr/bin/env python3
"""Opens a page in headless Chromium and checks that its fields and their effects really work.

The page is copied to a temporary folder with three additions: an error catcher first in the
head, optionally the installation's script files as the last content of the head (the way the
add-in inserts them), and the check scripts (the kinds of --extra-checks, then effect_checks.js)
before the end of the body; the files beside the page (its pictures, scripts) go along when
asked. Chromium dumps the DOM after load; the check script's results are read back from it.

Exit status: 0 all checks passed, 1 a check failed or the browser did not run, 77 skipped
(no Chromium on a developer machine; with CI=true a missing Chromium is a failure).
"""

import argparse
import html
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
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
    "--enable-logging=stderr",
    "--v=0",
    "--virtual-time-budget=5000",
]

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


def run_chromium(chromium, prepared, profile):
    command = [chromium, *CHROMIUM_FLAGS, f"--user-data-dir={profile}", "--dump-dom",
               prepared.as_uri()]
    return subprocess.run(command, capture_output=True, timeout=120, check=False)


def read_results(dom):
    # The last one: the check script's own text is in the dump too.
    found = re.findall(r'<pre id="zirirur-results">(.*?)</pre>', dom, re.DOTALL)
    if not found:
        return None
    return html.unescape(found[-1]).splitlines()


def console_errors(stderr):
    return [line for line in stderr.splitlines() if "CONSOLE" in line and "Uncaught" in line]


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
        profile = work / "profile"
        profile.mkdir()
        try:
            done = run_chromium(chromium, prepared, profile)
        except subprocess.TimeoutExpired:
            print("FAIL: chromium did not finish within 120 seconds")
            return 1

    stderr = done.stderr.decode("utf-8", "replace")
    results = read_results(done.stdout.decode("utf-8", "replace"))
    if done.returncode != 0 or results is None or results[-1:] != ["END"]:
        print(f"FAIL: no results from chromium (exit status {done.returncode})")
        print("\n".join(stderr.splitlines()[-30:]))
        return 1

    results = results[:-1]
    # A backstop for errors the page's own catcher cannot see.
    uncaught = console_errors(stderr)
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
