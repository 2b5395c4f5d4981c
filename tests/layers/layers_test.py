#!/usr/bin/python3
"""Keeps the layers of src/ apart by reading every #include line.

The layers, lowest first: controls (plain values), figure (the triangle,
built from controls), form (Form1 and its handlers), and the two front ends,
desktop (Qt) and web (the browser). A file may include its own layer and the
ones below it, never one above it, and the two front ends never include each
other. The front ends reach the figure only through form: they include form
and controls, never figure. Below the front ends no file includes a Qt or
emscripten header.

Usage: layers_test.py [SRC]   (SRC defaults to the src/ beside tests/)
Prints one line per offending include and exits 1 if there is any.
"""
import pathlib
import re
import sys

RANK = {"controls": 0, "figure": 1, "form": 2, "desktop": 3, "web": 3}
# What the front ends may not include, though it lies below them.
HIDDEN = {"desktop": {"figure"}, "web": {"figure"}}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT = re.compile(r"^(Q[A-Za-z]|Qt|q[a-z]+\.h$|private/q)")


def toolkit(header):
    if QT.match(header):
        return "Qt"
    if header.startswith("emscripten"):
        return "emscripten"
    return None


def problems(src):
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp") or not path.is_file():
            continue
        layer = path.relative_to(src).parts[0]
        if layer not in RANK:
            yield f"{path}: in no known layer ({', '.join(RANK)})"
            continue
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            quote, header = match.groups()
            close = ">" if quote == "<" else '"'
            where = f"{path}:{number}: {layer} includes {quote}{header}{close}"
            if quote == "<":
                kit = toolkit(header)
                if kit and (RANK[layer] < RANK["desktop"]
                            or (kit == "Qt") != (layer == "desktop")):
                    yield f"{where}: no {kit} header belongs in {layer}"
                continue
            target = header.split("/")[0] if "/" in header else layer
            if target not in RANK:
                continue
            if RANK[target] > RANK[layer]:
                yield f"{where}: {target} lies above {layer}"
            elif target in HIDDEN.get(layer, ()):
                yield f"{where}: {layer} reaches {target} only through form"
            elif target != layer and RANK[target] == RANK[layer]:
                yield f"{where}: {target} and {layer} are sibling front ends"


def main():
    here = pathlib.Path(__file__).resolve().parent
    src = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else here.parent.parent / "src"
    found = list(problems(src))
    for problem in found:
        print(problem)
    print(f"layers: {len(found)} include(s) out of place under {src}")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
