#!/usr/bin/python3
"""Makes the site: a folder any static web server can serve as it is, with
the page as index.html (made by bundle.py --site), the web app manifest, the
icons and the service worker, sw.js. The service worker's cache is named for
this build: a hash of every file it keeps, so any change to any of them
makes a new version, and an unchanged build keeps its version.

site.py --page INDEX.html --out DIR
"""
import argparse
import hashlib
import json
import pathlib
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


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--page', required=True)
    parser.add_argument('--out', required=True)
    args = parser.parse_args()

    out = pathlib.Path(args.out)
    out.mkdir(parents=True, exist_ok=True)
    files = {'index.html': pathlib.Path(args.page), **SOURCES}
    digest = hashlib.sha256()
    for name, source in files.items():
        content = source.read_bytes()
        digest.update(f'{name} {len(content)}\n'.encode('utf-8') + content)
        shutil.copyfile(source, out / name)

    worker = (HERE / 'serviceworker.js').read_text(encoding='utf-8')
    digest.update(worker.encode('utf-8'))
    worker = worker.replace('@VERSION@', digest.hexdigest()[:16])
    worker = worker.replace('@FILES@', json.dumps(list(files)))
    (out / 'sw.js').write_text(worker, encoding='utf-8')


if __name__ == '__main__':
    main()
