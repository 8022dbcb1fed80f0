#!/usr/bin/env python3
"""Lays out the folders of the favourites round trip in the build folder.

A fresh copy of the installation folder (its favourites store empty), a web holding a corpus
page whose form shows a local picture, a UTF-8 corpus page with Chinese text outside any web,
and a new, empty page in a second web that the favourites are inserted into.
"""

import argparse
import shutil
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parents[2] / "host" / "tools"))
from pngwrite import png  # noqa: E402

NEW_PAGE = (
    "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n"
    '<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">\r\n'
    "<title>New page</title>\r\n</head>\r\n<body>\r\n"
    '<p id="here">Our favourite forms:</p>\r\n'
    "</body>\r\n</html>\r\n"
)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--corpus", required=True, type=Path)
    parser.add_argument("--install", required=True, type=Path)
    parser.add_argument("--out", required=True, type=Path)
    options = parser.parse_args()

    out = options.out
    shutil.rmtree(out, ignore_errors=True)
    shutil.copytree(options.install, out / "install")

    survey = out / "webA" / "survey"
    survey.mkdir(parents=True)
    shutil.copyfile(options.corpus / "survey-formmail-checkboxes-spaced-names.htm",
                    survey / "survey.htm")
    # The page's banner, as a small picture of its own (browsers go by the bytes, not the name).
    png(survey / "pagetopper07.jpg", 40, 9, lambda x, y: (40 + 5 * x, 90, 160 - 10 * y))

    utf8 = out / "utf8"
    utf8.mkdir()
    shutil.copyfile(options.corpus / "baidu-home-utf8-cjk-hidden-fields.htm", utf8 / "baidu.htm")

    target = out / "webB" / "new"
    target.mkdir(parents=True)
    (target / "page.htm").write_bytes(NEW_PAGE.encode("cp1252"))
    (out / "state").mkdir()
    return 0


if __name__ == "__main__":
    sys.exit(main())
