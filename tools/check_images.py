#!/usr/bin/python3
"""Checks the committed pictures and data files against the image table.

    tools/check_images.py [--images DIR] [--table images.tsv] [--sheet out.png]

Exit status 0 when every listed picture exists at its size and format, no
absent one exists, and the data files hold what the readers expect.
"""

import argparse
import os
import sys

from PIL import Image, ImageSequence

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_images  # noqa: E402  (table and data lists live there)


def gif_loops(path):
    with open(path, 'rb') as f:
        return b'NETSCAPE2.0' in f.read()


def check(images_dir, rows):
    errors = []

    def err(name, text):
        errors.append('%s: %s' % (name, text))

    qrc_path = os.path.join(images_dir, 'images.qrc')
    qrc = open(qrc_path, encoding='utf-8').read() if os.path.exists(qrc_path) else ''
    if not qrc:
        err('images.qrc', 'missing')
    for row in rows:
        name = row['name']
        path = make_images.out_path(images_dir, row)
        listed = '<file>%s</file>' % name in qrc
        if row['kind'] == 'absent':
            if os.path.exists(path):
                err(name, 'must not exist')
            if listed:
                err(name, 'must not be listed in images.qrc')
            continue
        if not os.path.isfile(path):
            err(name, 'missing')
            continue
        if row['location'] == 'resource' and not listed:
            err(name, 'not listed in images.qrc')
        if row['location'] != 'resource' and listed:
            err(name, 'lies in the working folder, not in the resources')
        if row['kind'] == 'data':
            continue
        try:
            im = Image.open(path)
            im.load()
        except Exception as e:  # noqa: BLE001
            err(name, 'unreadable: %s' % e)
            continue
        if im.size != (row['width'], row['height']):
            err(name, 'size %dx%d, expected %dx%d' % (im.size + (row['width'], row['height'])))
        ext = os.path.splitext(name)[1].lower()
        expected = {'.png': 'PNG', '.jpg': 'JPEG', '.bmp': 'BMP', '.gif': 'GIF'}[ext]
        if im.format != expected:
            err(name, 'stored as %s' % im.format)
        frames = getattr(im, 'n_frames', 1)
        if row['kind'] == 'animated':
            if frames < 2:
                err(name, 'not animated')
            once = name in ('pencil.gif', 'eraser.gif')
            if once and gif_loops(path):
                err(name, 'must play once (no loop block)')
            if not once and not gif_loops(path):
                err(name, 'must loop')
        elif frames != 1:
            err(name, 'has %d frames' % frames)
        rgba = im.convert('RGBA')
        alpha = rgba.getchannel('A')
        if name in ('transMsg.png', 'transparent.png'):
            if alpha.getextrema() != (0, 0):
                err(name, 'must be fully transparent')
        if row['kind'] == 'mask-shape':
            w, h = im.size
            if alpha.getpixel((0, 0)) != 0 or alpha.getpixel((w - 1, h - 1)) != 0:
                err(name, 'corners must be transparent')
            if alpha.getpixel((w // 2, h // 2)) != 255:
                err(name, 'inside must be opaque')
    # data files
    data = {}
    for n in ('countries.txt', 'timeZone.txt', 'stylesheet.qss'):
        p = os.path.join(images_dir, n)
        if os.path.exists(p):
            data[n] = open(p, 'rb').read()
    c = data.get('countries.txt', b'')
    if len(c) != 1784 or len(c.split(b',')) != 194 or c.endswith((b',', b'\n')):
        err('countries.txt', '%d bytes, %d names' % (len(c), len(c.split(b','))))
    t = data.get('timeZone.txt', b'')
    if len(t) != 333 or len(t.split(b',')) != 34 or t.endswith((b',', b'\n')):
        err('timeZone.txt', '%d bytes, %d entries' % (len(t), len(t.split(b','))))
    s = data.get('stylesheet.qss', b'')
    if s.count(b'{') != 57 or s.count(b'}') != 57:
        err('stylesheet.qss', '%d rules' % s.count(b'{'))
    try:
        s.decode('ascii')
    except UnicodeDecodeError:
        err('stylesheet.qss', 'not plain text')
    return errors


def contact_sheet(images_dir, rows, path, scale=3, columns=10):
    from PIL import ImageDraw
    cells = []
    for row in rows:
        if row['kind'] in ('absent', 'data'):
            continue
        p = make_images.out_path(images_dir, row)
        if not os.path.exists(p):
            continue
        im = Image.open(p)
        frames = [f.convert('RGBA') for f in ImageSequence.Iterator(im)]
        pick = [frames[0]] if len(frames) == 1 else [frames[i * len(frames) // 3] for i in range(3)]
        cells.append((row['name'], pick))
    cell = 150
    big = {}
    for name, pick in cells:
        w, h = pick[0].size
        s = scale if max(w, h) * scale <= cell else max(1, cell // max(w, h))
        if max(w, h) * s > cell:
            s = cell / max(w, h)
        big[name] = [f.resize((max(1, int(w * s)), max(1, int(h * s))), Image.NEAREST) for f in pick]
    rows_n = (len(cells) + columns - 1) // columns
    sheet = Image.new('RGBA', (columns * (cell + 10), rows_n * (cell + 24)), (255, 255, 255, 255))
    d = ImageDraw.Draw(sheet)
    for i, (name, _) in enumerate(cells):
        x, y = (i % columns) * (cell + 10) + 5, (i // columns) * (cell + 24) + 5
        for yy in range(0, cell, 10):  # checkerboard shows transparency
            for xx in range(0, cell, 10):
                if (xx + yy) // 10 % 2:
                    d.rectangle([x + xx, y + yy, x + xx + 9, y + yy + 9], fill=(226, 226, 226))
        fr = big[name]
        ox = x
        for f in fr:
            if ox + f.width > x + cell + 5:
                break
            sheet.alpha_composite(f, (ox, y))
            ox += f.width + 2
        d.text((x, y + cell + 6), name[:26], fill=(0, 0, 0))
    sheet.convert('RGB').save(path)


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument('--images', default=make_images.DEFAULT_OUT)
    ap.add_argument('--table')
    ap.add_argument('--sheet', help='also write a contact sheet of all pictures to this PNG')
    args = ap.parse_args()
    rows = make_images.read_tsv(args.table) if args.table else make_images.parse_table()
    errors = check(args.images, rows)
    if args.sheet:
        contact_sheet(args.images, rows, args.sheet)
    for e in errors:
        print(e)
    print('%d rows checked, %d problems' % (len(rows), len(errors)))
    return 1 if errors else 0


if __name__ == '__main__':
    sys.exit(main())
