#!/usr/bin/python3
"""Puts the page together as one self-contained HTML file: the style, the
scripts, the WebAssembly (deflated: it shrinks to less than half, and the
browser inflates it natively) and the font inline (with the font's metrics
from FONT.json beside the font), the font's licence in a comment.

bundle.py --template page.html --style page.css --core core.js --wasm core.wasm
          --font font.woff2 --licence LICENCE.txt --out altitude.html SCRIPT.js...
"""
import argparse
import base64
import pathlib
import zlib


def read(path):
    return pathlib.Path(path).read_text(encoding='utf-8')


def main():
    parser = argparse.ArgumentParser()
    for option in ('template', 'style', 'core', 'wasm', 'font', 'licence', 'out'):
        parser.add_argument('--' + option, required=True)
    parser.add_argument('scripts', nargs='+')
    args = parser.parse_args()

    wasm = base64.b64encode(zlib.compress(pathlib.Path(args.wasm).read_bytes(), 9)).decode('ascii')
    font = base64.b64encode(pathlib.Path(args.font).read_bytes()).decode('ascii')
    metrics = read(str(pathlib.Path(args.font).with_suffix('.json')))
    script = '\n'.join(
        ["(function () {", "'use strict';", read(args.core),
         f"const AltitudeWasm = '{wasm}';", f"const AltitudeFont = '{font}';", f"const AltitudeFontMetrics = {metrics};"]
        + [read(path) for path in args.scripts] + ["})();"])
    if '</script' in script.lower():
        raise SystemExit('bundle.py: a script contains </script>, which would end it early')

    # The licence goes into an HTML comment, which "--" must not appear in.
    notice = ('The captions of this page are set in a subset of IPAPGothic, embedded\n'
              'in this file and used only to show this page, under this licence:\n\n'
              + read(args.licence)).replace('--', '- -')

    page = read(args.template)
    for key, value in (('@FONT_NOTICE@', notice), ('@STYLE@', read(args.style)), ('@SCRIPT@', script)):
        page = page.replace(key, value)
    pathlib.Path(args.out).write_text(page, encoding='utf-8')


if __name__ == '__main__':
    main()
