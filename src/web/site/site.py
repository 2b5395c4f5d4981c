#!/usr/bin/python3
"""Makes the site: a folder any static web server can serve as it is, with
the page as index.html (made by bundle.py --site), the web app manifest, the
icons and the service worker, sw.js. The service worker's cache is named for
this build: a hash of every file it keeps, so any change to any of them
makes a new version, and an unchanged build keeps its version. The worker
also holds each file's own SHA-256, so that it keeps only this build's files.
The page names its own build in its marker, <meta name="altitude-build">: a
hash of the page with the marker empty. The worker knows a page of this
program by it, and the page tells by it whether the build kept is its own.

site.py --page INDEX.html --out DIR
"""
import argparse
import base64
import hashlib
import json
import pathlib
import re
import shutil

HERE = pathlib.Path(__file__).resolve().parent
# Beside the page, as they are; the names the page, the manifest and the
# service worker use.
SOURCES = {
    'manifest.json': HERE / 'manifest.json',
    'icon-192.png': HERE / 'icons' / 'icon-192.png',
    'icon-512.png': HERE / 'icons' / 'icon-512.png',
    'apple-touch-icon.png': HERE / 'icons' / 'apple-touch-icon.png',
}
# What a lesson needs offline; the rest is kept where the server gives it.
REQUIRED = {'index.html'}
MARKER = re.compile(rb'<meta name="altitude-build" content="[0-9a-f]*">')


def mark_build(page):
    """The page with its marker naming its build; a page made from another
    build's (a copy changed and made again) gets a build of its own."""
    if len(MARKER.findall(page)) != 1:
        raise SystemExit('site.py: the page must have one <meta name="altitude-build">')
    empty = MARKER.sub(b'<meta name="altitude-build" content="">', page)
    build = hashlib.sha256(empty).hexdigest()[:16].encode('ascii')
    return MARKER.sub(b'<meta name="altitude-build" content="' + build + b'">', page)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--page', required=True)
    parser.add_argument('--out', required=True)
    args = parser.parse_args()

    out = pathlib.Path(args.out)
    out.mkdir(parents=True, exist_ok=True)
    files = {'index.html': pathlib.Path(args.page), **SOURCES}
    digest = hashlib.sha256()
    kept = {}
    for name, source in files.items():
        content = source.read_bytes()
        if name == 'index.html':
            content = mark_build(content)
            (out / name).write_bytes(content)
        else:
            shutil.copyfile(source, out / name)
        digest.update(f'{name} {len(content)}\n'.encode('utf-8') + content)
        integrity = 'sha256-' + base64.b64encode(hashlib.sha256(content).digest()).decode('ascii')
        kept[name] = {'integrity': integrity, 'required': name in REQUIRED}

    worker = (HERE / 'serviceworker.js').read_text(encoding='utf-8')
    digest.update(worker.encode('utf-8'))
    worker = worker.replace('@VERSION@', digest.hexdigest()[:16])
    worker = worker.replace('@FILES@', json.dumps(kept, indent=4))
    (out / 'sw.js').write_text(worker, encoding='utf-8')


if __name__ == '__main__':
    main()
