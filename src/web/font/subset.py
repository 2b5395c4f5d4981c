#!/usr/bin/python3
"""Cuts the Gothic down to the characters the page shows and writes it as
WOFF2 under a name of its own (a cut-down font may not carry the original's
name), and beside it OUTPUT.json with the metrics the page measures labels
with: subset.py FONT.ttf CHARACTERS.txt OUTPUT.woff2

The desktop's toolkit takes a line's ascent and descent from the OS/2 table's
Windows metrics, whose descent is larger in this font than the one browsers
report; the page takes them from here, so that labels come out as high as
on the desktop."""
import json
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

Family = 'AltitudeGothic'


def main():
    source, characters, output = sys.argv[1:4]
    text = ''.join(line for line in open(characters, encoding='utf-8').read().splitlines()
                   if not line.startswith('#'))
    options = subset.Options()
    options.flavor = 'woff2'
    options.layout_features = ['*']
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6]
    options.notdef_outline = True
    font = TTFont(source)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text)
    subsetter.subset(font)
    os2 = font['OS/2']
    metrics = {'unitsPerEm': font['head'].unitsPerEm, 'ascent': os2.usWinAscent, 'descent': os2.usWinDescent}
    with open(output.removesuffix('.woff2') + '.json', 'w', encoding='utf-8') as file:
        json.dump(metrics, file)
    for record in font['name'].names:
        if record.nameID in (1, 3, 4, 6):
            record.string = Family
    font.flavor = 'woff2'
    font.save(output)


if __name__ == '__main__':
    main()
