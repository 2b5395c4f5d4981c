#!/usr/bin/python3
"""Puts the page together as one self-contained HTML file: the style, the
scripts, the WebAssembly (deflated: it shrinks to less than half, and the
browser inflates it natively) and the font inline (with the font's metrics
from FONT.json beside the font), the font's licence in a comment.

The page carries a Content-Security-Policy that allows its one style and its
one script, by their hashes, the compilation of its WebAssembly and nothing
else: no other origin, no eval, no plugins. With --site HEAD.html the page is
the site's index.html instead: HEAD.html goes into the head (with its own
first script, allowed by its hash too), and the policy also lets it load the
site's own manifest, icons and service worker. Several style sheets become
the page's one style, in their order.

bundle.py --template page.html --style page.css [site.css] --core core.js
          --wasm core.wasm --font font.woff2 --licence LICENCE.txt
          [--site HEAD.html] --out altitude.html SCRIPT.js...
"""
import argparse
import base64
import hashlib
import pathlib
import re
import zlib


def read(path):
    return pathlib.Path(path).read_text(encoding='utf-8')


# The page reaches the browser as bytes in whatever charset the server
# claims (a school's server may say Shift_JIS), so everything in it but the
# licence's comment is ASCII, which every such charset reads alike: other
# characters in the script and the style as their own escapes, and in the
# page's text as character references. Their hashes, and their words, then
# come out the same however the server labels the page.
def ascii_script(text):
    def escape(match):
        units = match[0].encode('utf-16-be')
        return ''.join(f'\\u{units[i]:02x}{units[i + 1]:02x}' for i in range(0, len(units), 2))
    return re.sub(r'[^\x00-\x7f]', escape, text)


def ascii_style(text):
    return re.sub(r'[^\x00-\x7f]', lambda match: f'\\{ord(match[0]):06x}', text)


def ascii_page(page):
    return re.sub(r'<!--.*?-->|([^\x00-\x7f])',
                  lambda match: f'&#x{ord(match[1]):x};' if match[1] else match[0], page, flags=re.S)


def source_hashes(page, element, count):
    """The CSP sources for the texts of the page's `count` <element>s, as the
    browser hashes them: every character between the tags, in UTF-8."""
    texts = re.findall(f'<{element}>(.*?)</{element}>', page, re.S)
    if len(texts) != count:
        raise SystemExit(f'bundle.py: the page must have {count} <{element}>')
    return ' '.join("'sha256-" + base64.b64encode(hashlib.sha256(text.encode('utf-8')).digest()).decode('ascii') + "'"
                    for text in texts)


def policy(page, site):
    # 'wasm-unsafe-eval' lets WebAssembly compile and nothing else that eval
    # would. Images from data: are the memo strokes inside the printed
    # drawing. A policy in a <meta> cannot forbid framing (frame-ancestors):
    # the README gives the header for servers that can.
    own = "'self' " if site else ''
    directives = [
        "default-src 'none'",
        f"script-src {source_hashes(page, 'script', 2 if site else 1)} 'wasm-unsafe-eval'",
        f"style-src {source_hashes(page, 'style', 1)}",
        f'img-src {own}data:',
        "object-src 'none'",
        "base-uri 'none'",
        "form-action 'none'",
    ]
    if site:
        directives += ["manifest-src 'self'", "worker-src 'self'"]
    return '; '.join(directives)


def main():
    parser = argparse.ArgumentParser()
    for option in ('template', 'core', 'wasm', 'font', 'licence', 'out'):
        parser.add_argument('--' + option, required=True)
    parser.add_argument('--style', required=True, nargs='+')
    parser.add_argument('--site')
    parser.add_argument('scripts', nargs='+')
    args = parser.parse_args()

    wasm = base64.b64encode(zlib.compress(pathlib.Path(args.wasm).read_bytes(), 9)).decode('ascii')
    font = base64.b64encode(pathlib.Path(args.font).read_bytes()).decode('ascii')
    metrics = read(str(pathlib.Path(args.font).with_suffix('.json')))
    script = ascii_script('\n'.join(
        ["(function () {", "'use strict';", read(args.core),
         f"const AltitudeWasm = '{wasm}';", f"const AltitudeFont = '{font}';", f"const AltitudeFontMetrics = {metrics};"]
        + [read(path) for path in args.scripts] + ["})();"]))
    if '</script' in script.lower() or '<!--' in script:
        # The first would end the script early; the second would make the
        # browser read what follows differently from what was hashed.
        raise SystemExit('bundle.py: a script contains </script> or <!--')

    # The licence goes into an HTML comment, which "--" must not appear in.
    notice = ('The captions of this page are set in a subset of IPAPGothic, embedded\n'
              'in this file and used only to show this page, under this licence:\n\n'
              + read(args.licence)).replace('--', '- -')

    page = read(args.template)
    head = read(args.site).strip() if args.site else ''
    for key, value in (('@FONT_NOTICE@', notice), ('@SITE_HEAD@\n', head + '\n' if head else ''),
                       ('@STYLE@', ascii_style('\n'.join(read(path) for path in args.style))), ('@SCRIPT@', script)):
        page = page.replace(key, value)
    page = ascii_page(page)
    # The site's first script shows how much of the page's own has arrived.
    page = page.replace('@PAGE_SCRIPT_LENGTH@', str(len(re.findall('<script>(.*?)</script>', page, re.S)[-1])))
    page = page.replace('@POLICY@', policy(page, args.site is not None))
    pathlib.Path(args.out).write_text(page, encoding='utf-8')


if __name__ == '__main__':
    main()
