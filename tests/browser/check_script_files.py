#!/usr/bin/env python3
"""Checks the form of the installation's page script files.

The add-in pastes each file, unchanged, as the last content of a page head and later finds it
again by its script element's id. So a file must be exactly one script element carrying that id,
with nothing around it, and nothing inside that ends the element early. The files are text in
the Windows-1252 code page with CR LF line ends, like the rest of the installation.
"""

import argparse
import re
import sys
from pathlib import Path

SCRIPT_FILES = {"vqrtext.fps": "VQRTextFuncs", "vqrstatus.fps": "VQRStatus"}


def problems_of(raw, script_id):
    problems = []
    try:
        text = raw.decode("cp1252")
    except UnicodeDecodeError as error:
        return [f"not Windows-1252 text: {error}"]
    # Plain ASCII reads the same in every page encoding the file may be pasted into.
    if not raw.isascii():
        problems.append("holds characters outside plain ASCII")
    if raw.startswith(b"\xef\xbb\xbf"):
        problems.append("starts with a UTF-8 byte order mark")
    if re.search(r"(?<!\r)\n|\r(?!\n)", text):
        problems.append("has line ends other than CR LF")

    body = text.rstrip("\r\n")
    start = re.match(r"<script(\s[^>]*)?>", body, re.IGNORECASE)
    if not start:
        problems.append("does not begin with a script start tag")
    elif not re.search(r"\sid\s*=\s*\"" + script_id + "\"", start.group(0)):
        problems.append(f'the script start tag lacks id="{script_id}"')
    if not re.search(r"</script\s*>$", body, re.IGNORECASE):
        problems.append("does not end with the script end tag")
    if len(re.findall(r"</script", body, re.IGNORECASE)) != 1:
        problems.append("holds a script end tag before its end")
    if start and re.search(r"<!--|<script", body[start.end() :], re.IGNORECASE):
        problems.append("holds <!-- or <script inside, which changes how the page parses it")
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--install", required=True, type=Path, help="installation folder")
    options = parser.parse_args()

    failed = 0
    for file_name, script_id in SCRIPT_FILES.items():
        path = options.install / "Scripts" / file_name
        try:
            problems = problems_of(path.read_bytes(), script_id)
        except OSError as error:
            problems = [f"cannot be read: {error}"]
        for problem in problems:
            print(f"FAIL {file_name}: {problem}")
        if not problems:
            print(f"PASS {file_name}")
        failed += bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
