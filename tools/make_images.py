#!/usr/bin/python3
"""Draws the client's pictures and writes its data files into images/.

    tools/make_images.py [--table images.tsv] [--out DIR]

Everything is drawn from code (Pillow), so the look can be changed in one
place. The output is committed: the build never runs this script.
"""

import argparse
import math
import os
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_OUT = os.path.join(os.path.dirname(HERE), 'images')

# name, folder, width, height, kind ("-" where a size does not apply).
TABLE_TEXT = """
corner1.jpg resource 11 20 static
corner2.jpg resource 11 20 static
corner3.jpg resource 11 11 static
corner4.png resource 11 11 static
1px_transp_left.png resource 11 1 static
1px_transp_right.png resource 11 1 static
1px_transp_bottom.png resource 1 11 static
top_1px.jpg resource 1 20 static
bg_span.png resource 1 1024 static
index_r2_c11.jpg resource 12 11 static
mouseOverClose.jpg resource 12 11 static
index_r2_c8.jpg resource 12 11 static
mouseOverMinimize.jpg resource 12 11 static
maxbut.jpg resource 11 11 static
mouseOverMax.png resource 11 11 static
maxbut.png resource 11 11 static
restore.png resource 11 11 static
restoreOver.png resource 11 11 static
zel.jpg resource 400 250 static
bg.png resource 310 550 mask-shape
logo.png resource 237 26 static
ZEL_logo.png resource 120 101 static
icon.png resource 24 24 static
icon0.png resource 24 24 static
icon1.png resource 24 24 static
icon2.png resource 24 24 static
icon3.png resource 24 24 static
menu1.jpg resource 1 30 static
menu1_over.jpg resource 1 30 static
menu2.jpg resource 1 26 static
menu2_over.jpg resource 1 26 static
index_r8_c6.jpg resource 57 21 static
index_r8_c6_f2.jpg resource 57 21 static
bg_username.png resource 1 29 static
mail.jpg resource 21 19 static
add_icon.png resource 21 22 static
remove_icon.png resource 21 22 static
conferance_icon.png resource 22 22 static
chat_icon.png resource 21 22 static
closetab.png resource 16 16 mask-shape
mouseOverClose.png resource 16 16 mask-shape
Search_Green.png resource 120 20 static
Search_Red.png resource 120 20 static
toolTip.png resource 16 16 static
favourite.png resource 24 24 static
online_icon.png resource 24 24 static
offline_icon.png resource 24 24 static
userok_24.png resource 24 24 static
userclose_24.png resource 24 24 static
userApproval_24.png resource 24 24 static
Online.png resource 32 32 static
Away.png resource 32 32 static
Busy.png resource 32 32 static
Meeting.png resource 32 32 static
Offline.png resource 32 32 static
Invisible.png resource 32 32 static
splash.png resource 32 32 static
status_img.png resource 200 70 mask-shape
status_offline.png resource 200 70 mask-shape
image1.png resource 300 90 mask-shape
process.gif resource 150 150 animated
connecting.gif resource 100 14 animated
signout.gif resource 16 16 static
exit.png resource 16 16 static
chat_history_client.png resource 16 16 static
offlineMessage.gif resource 20 20 static
voiceChat.png resource 24 24 static
groupChat.png resource 40 40 static
search_icon.gif resource 16 16 static
preferences.png resource 16 16 static
change_password.png resource 16 16 static
hide_offline_user.png resource 16 16 static
reminder.png resource 16 16 static
userInfo1.png resource 48 48 static
userimage.png resource 48 48 static
email.gif resource 20 20 static
phone.png resource 20 15 static
radiobutton-off.png resource 13 13 static
radiobutton-on.png resource 13 13 static
checkBox.jpg resource 13 13 static
checkBox_3.jpg resource 13 13 static
buttonLeft.jpg resource 3 21 static
buttonMid.jpg resource 1 21 static
buttonRight.jpg resource 3 21 static
buttonMouseOverLeft.jpg resource 3 21 static
buttonMouseOver.jpg resource 1 21 static
buttonMouseOverRight.jpg resource 3 21 static
groupframe_topleft.png resource 7 7 static
groupframe_topright.png resource 7 7 static
groupframe_bottom_left.png resource 7 7 static
groupframe_bottom_right.png resource 14 14 static
groupframe_left_stretch.png resource 7 1 static
groupframe_right_stretch.png resource 7 1 static
groupframe_top_stretch.png resource 1 7 static
groupframe_bottom_stretch.png resource 1 7 static
title_cap_left.png resource 4 18 static
title_stretch.png resource 1 18 static
title_cap_right.png resource 4 18 static
info_icon.png resource 64 64 static
questionmark.png resource 64 64 static
transMsg.png resource 213 58 static
branch-closed.png resource 9 9 static
branch-open.png resource 9 9 static
up_arrow.gif resource 9 6 static
combo-open.png resource 9 6 static
combo-close.png resource 9 6 static
combo-openDisable.png resource 9 6 static
combo-closeDisable.png resource 9 6 static
ArrowUp.gif resource 9 9 static
ArrowDown.gif resource 9 9 static
ArrowLeft.gif resource 9 9 static
ArrowRight.gif resource 9 9 static
vline.png resource - - absent
branch-more.png resource - - absent
branch-end.png resource - - absent
down_arrow.gif resource - - absent
pencil.gif resource 50 20 animated
eraser.gif resource 50 20 animated
filedownload.gif resource 60 20 animated
lock.gif resource 20 20 static
unlock.gif resource 20 20 static
uploading.png resource 20 20 static
downloading.png resource 20 20 static
textbold.png resource 16 16 static
textitalic.png resource 16 16 static
textunder.png resource 16 16 static
transparent.png resource 16 16 static
fontcolor.jpg resource 35 35 static
background_color.jpg resource 35 35 static
smiley.gif resource 20 20 static
capture.png resource 25 25 static
save.png resource 20 20 static
insertImage.png resource 20 20 static
quickreply.gif resource 20 20 static
next.png resource 24 24 static
prev.png resource 24 24 static
arrow.gif resource 16 16 static
arrowbackward.gif resource 16 16 static
bg.jpg resource 1 38 static
group_discussion.png resource 306 110 mask-shape
accept_image_1.png resource 306 148 mask-shape
image2.png resource 295 270 mask-shape
Wait.png resource 32 32 cursor
unreadmessag.png resource 16 16 static
readMessage.png resource 16 16 static
mail_reply.bmp resource 16 16 static
ftp.gif resource 16 16 static
textpointer.png resource 42 42 static
auto.gif resource 16 16 static
NotificationIcon.gif resource 16 16 static
status.gif resource 16 16 static
coonect.gif resource 16 16 static
statusMessage.png resource 300 150 mask-shape
date.png resource 24 24 static
voicePlay.gif resource 431 70 animated
VoiceRecording.gif resource 441 65 animated
pen_t.bmp resource 30 30 static
line_t.bmp resource 30 30 static
rect_t.bmp resource 30 30 static
circle_t.bmp resource 30 30 static
text_t.bmp resource 30 30 static
eraser_t.bmp resource 30 30 static
width.png resource 30 30 static
fill_t.bmp resource 30 30 static
blur_t.bmp resource 30 30 static
rot90ccw_t.bmp resource 30 30 static
select_t.bmp resource 30 30 static
libdel.bmp resource 30 30 static
flipv_t.bmp resource 30 30 static
photo_t.png resource 30 30 static
undo_t.bmp resource 30 30 static
redo_t.bmp resource 30 30 static
zoom-in.png resource 25 25 static
zoom-out.png resource 25 25 static
pencil.png resource 32 32 cursor
brush.png resource 32 32 cursor
eraserWidth.png resource 20 20 cursor
stylesheet.qss resource - - data
countries.txt resource - - data
timeZone.txt resource - - data
Smileys/Good.png Smileys 20 20 static
Smileys/Party.png Smileys 20 20 static
Smileys/Lightning.png Smileys 20 20 static
Smileys/Stormycloud.png Smileys 20 20 static
Smileys/Smile.png Smileys 20 20 static
Smileys/Umbrella.png Smileys 20 20 static
Smileys/StickingOutTongue.png Smileys 20 20 static
Smileys/Hot.png Smileys 20 20 static
Smileys/Surprised.png Smileys 20 20 static
Smileys/Confused.png Smileys 20 20 static
Smileys/embarrassed.png Smileys 20 20 static
Smileys/Angry.png Smileys 20 20 static
Smileys/Sick.png Smileys 20 20 static
Smileys/Secrettelling.png Smileys 20 20 static
Smileys/crying.png Smileys 20 20 static
Smileys/Sad.png Smileys 20 20 static
Smileys/sleepy.png Smileys 20 20 static
Smileys/Disappointed.png Smileys 20 20 static
Smileys/Grin.png Smileys 20 20 static
Smileys/Nerd.png Smileys 20 20 static
Smileys/DogFace.png Smileys 20 20 static
Smileys/Coffeeup.png Smileys 20 20 static
Smileys/Clock.png Smileys 20 20 static
Smileys/Island.png Smileys 20 20 static
Smileys/heart.png Smileys 20 20 static
Smileys/Birthdaycake.png Smileys 20 20 static
Smileys/Rose.png Smileys 20 20 static
Smileys/SleepingMoon.png Smileys 20 20 static
Smileys/Note.png Smileys 20 20 static
Smileys/banner.gif Smileys 282 64 animated
icons/user_group.png icons 16 16 static
"""


def parse_table(text=TABLE_TEXT):
    rows = []
    for line in text.strip().splitlines():
        name, loc, w, h, kind = line.split()
        rows.append(dict(name=name, location=loc,
                         width=None if w == '-' else int(w),
                         height=None if h == '-' else int(h), kind=kind))
    return rows


def read_tsv(path):
    """Reads the shared table (tab separated, header row); '?' marks a proposed size."""
    rows = []
    with open(path, encoding='utf-8') as f:
        header = f.readline().rstrip('\n').split('\t')
        for line in f:
            if not line.strip():
                continue
            rec = dict(zip(header, line.rstrip('\n').split('\t')))
            size = [rec.get('width', '').rstrip('?'), rec.get('height', '').rstrip('?')]
            rows.append(dict(name=rec['name'], location=rec['location'],
                             width=int(size[0]) if size[0] else None,
                             height=int(size[1]) if size[1] else None, kind=rec['kind']))
    return rows


def out_path(out_dir, row):
    # Resource rows sit in images/ itself; Smileys/... and icons/... keep their folder.
    return os.path.join(out_dir, row['name'])


# ---------------------------------------------------------------- drawing kit

SS = 4  # everything is drawn 4x larger and box-filtered down: cheap antialiasing
FONT_DIR = '/usr/share/fonts/truetype/dejavu/'
_fonts = {}


def font(px, bold=True, serif=False, italic=False):
    name = 'DejaVu' + ('Serif' if serif else 'Sans')
    style = ('Bold' if bold else '') + (('Italic' if serif else 'Oblique') if italic else '')
    path = FONT_DIR + name + ('-' + style if style else '') + '.ttf'
    key = (path, int(px))
    if key not in _fonts:
        try:
            _fonts[key] = ImageFont.truetype(path, max(1, int(px)))
        except OSError:
            _fonts[key] = ImageFont.load_default()
    return _fonts[key]


def mix(a, b, t):
    a, b = rgba(a), rgba(b)
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(4))


def rgba(c, alpha=None):
    if c is None:
        return None
    if len(c) == 3:
        c = (c[0], c[1], c[2], 255)
    if alpha is not None:
        c = (c[0], c[1], c[2], alpha)
    return tuple(c)


def lighter(c, t):
    return mix(c, (255, 255, 255), t)


def darker(c, t):
    return mix(c, (0, 0, 0), t)


def stops_at(stops, t):
    """Colour of a gradient given as [(pos, colour), ...] at position t."""
    if t <= stops[0][0]:
        return rgba(stops[0][1])
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, 0 if p1 == p0 else (t - p0) / (p1 - p0))
    return rgba(stops[-1][1])


def gradient(w, h, stops, horizontal=False):
    im = Image.new('RGBA', (max(1, w), max(1, h)))
    d = ImageDraw.Draw(im)
    n = w if horizontal else h
    for i in range(n):
        c = stops_at(stops, (i + 0.5) / n)
        if horizontal:
            d.line([(i, 0), (i, h - 1)], fill=c)
        else:
            d.line([(0, i), (w - 1, i)], fill=c)
    return im


class Canvas:
    """A picture drawn in design units.

    With grid=N the shorter side is N units and the drawing is centred, so one
    glyph function serves every icon size. Without a grid one unit is a pixel.
    """

    def __init__(self, w, h, grid=None, bg=(0, 0, 0, 0)):
        self.w, self.h = w, h
        self.im = Image.new('RGBA', (w * SS, h * SS), rgba(bg))
        if grid:
            s = min(w, h) / grid
            self.k = s * SS
            self.ox, self.oy = (w * SS - grid * self.k) / 2, (h * SS - grid * self.k) / 2
            self.gw, self.gh = w / s, h / s
        else:
            self.k, self.ox, self.oy = SS, 0, 0
            self.gw, self.gh = w, h

    # coordinates
    def p(self, x, y):
        return (self.ox + x * self.k, self.oy + y * self.k)

    def pts(self, points):
        return [self.p(x, y) for x, y in points]

    def box(self, x0, y0, x1, y1):
        a, b = self.p(x0, y0), self.p(x1, y1)
        return [a[0], a[1], max(a[0], b[0] - 1), max(a[1], b[1] - 1)]

    def lw(self, width):
        return max(1, int(round(width * self.k)))

    def _paint(self, fn, *colours, replace=False):
        # Opaque paint goes straight in; translucent paint blends through a layer.
        cols = [c for c in colours if c is not None]
        if replace or all(len(c) == 3 or c[3] == 255 for c in cols):
            fn(ImageDraw.Draw(self.im))
        else:
            layer = Image.new('RGBA', self.im.size, (0, 0, 0, 0))
            fn(ImageDraw.Draw(layer))
            self.im.alpha_composite(layer)

    # shapes
    def ellipse(self, cx, cy, rx, ry=None, fill=None, outline=None, width=1, replace=False):
        ry = rx if ry is None else ry
        b = self.box(cx - rx, cy - ry, cx + rx, cy + ry)
        self._paint(lambda d: d.ellipse(b, fill=rgba(fill), outline=rgba(outline),
                                        width=self.lw(width)), fill, outline, replace=replace)

    def rect(self, x0, y0, x1, y1, fill=None, outline=None, width=1, r=0, replace=False):
        b = self.box(x0, y0, x1, y1)
        rr = r * self.k
        self._paint(lambda d: d.rounded_rectangle(b, radius=rr, fill=rgba(fill), outline=rgba(outline),
                                                  width=self.lw(width)) if rr > 0 else
                    d.rectangle(b, fill=rgba(fill), outline=rgba(outline), width=self.lw(width)),
                    fill, outline, replace=replace)

    def poly(self, points, fill=None, outline=None, width=1, replace=False):
        pp = self.pts(points)
        self._paint(lambda d: d.polygon(pp, fill=rgba(fill)), fill, replace=replace)
        if outline is not None:
            self.line(list(points) + [points[0]], outline, width)

    def line(self, points, fill, width=1, cap=True, replace=False):
        pp = self.pts(points)
        lw = self.lw(width)

        def draw(d):
            d.line(pp, fill=rgba(fill), width=lw, joint='curve')
            if cap:
                r = lw / 2
                for x, y in (pp[0], pp[-1]):
                    d.ellipse([x - r, y - r, x + r, y + r], fill=rgba(fill))
        self._paint(draw, fill, replace=replace)

    def arc(self, cx, cy, r, start, end, fill, width=1, ry=None):
        ry = r if ry is None else ry
        b = self.box(cx - r, cy - ry, cx + r, cy + ry)
        self._paint(lambda d: d.arc(b, start, end, fill=rgba(fill), width=self.lw(width)), fill)

    def pie(self, cx, cy, r, start, end, fill, ry=None, replace=False):
        ry = r if ry is None else ry
        b = self.box(cx - r, cy - ry, cx + r, cy + ry)
        self._paint(lambda d: d.pieslice(b, start, end, fill=rgba(fill)), fill, replace=replace)

    def chord(self, cx, cy, r, start, end, fill, ry=None):
        ry = r if ry is None else ry
        b = self.box(cx - r, cy - ry, cx + r, cy + ry)
        self._paint(lambda d: d.chord(b, start, end, fill=rgba(fill)), fill)

    def text(self, x, y, s, size, fill, bold=True, serif=False, italic=False, anchor='mm'):
        f = font(size * self.k, bold, serif, italic)
        xy = self.p(x, y)
        self._paint(lambda d: d.text(xy, s, font=f, fill=rgba(fill), anchor=anchor), fill)

    def grad(self, x0, y0, x1, y1, stops, r=0, horizontal=False, outline=None, width=1):
        b = self.box(x0, y0, x1, y1)
        x0i, y0i = int(round(b[0])), int(round(b[1]))
        w, h = int(round(b[2])) - x0i + 1, int(round(b[3])) - y0i + 1
        if w <= 0 or h <= 0:
            return
        g = gradient(w, h, stops, horizontal)
        mask = Image.new('L', (w, h), 0)
        ImageDraw.Draw(mask).rounded_rectangle([0, 0, w - 1, h - 1], radius=r * self.k, fill=255)
        g.putalpha(ImageChops.multiply(g.getchannel('A'), mask))
        layer = Image.new('RGBA', self.im.size, (0, 0, 0, 0))
        layer.paste(g, (x0i, y0i))
        self.im.alpha_composite(layer)
        if outline is not None:
            self.rect(x0, y0, x1, y1, outline=outline, width=width, r=r)

    def radial(self, cx, cy, r, inner, outer, hx=None, hy=None):
        """A disc shaded from a highlight point (hx, hy) outwards."""
        hx = cx - r * 0.35 if hx is None else hx
        hy = cy - r * 0.4 if hy is None else hy
        b = self.box(cx - r, cy - r, cx + r, cy + r)
        x0, y0 = int(b[0]), int(b[1])
        size = int(b[2] - b[0]) + 2
        if size <= 0:
            return
        g = Image.new('RGBA', (size, size))
        px = g.load()
        hpx, hpy = self.p(hx, hy)
        reach = 2 * r * self.k
        inner, outer = rgba(inner), rgba(outer)
        for j in range(size):
            for i in range(size):
                dist = math.hypot(x0 + i - hpx, y0 + j - hpy) / reach
                px[i, j] = mix(inner, outer, min(1.0, dist * 1.15))
        mask = Image.new('L', (size, size), 0)
        ImageDraw.Draw(mask).ellipse([b[0] - x0, b[1] - y0, b[2] - x0, b[3] - y0], fill=255)
        layer = Image.new('RGBA', self.im.size, (0, 0, 0, 0))
        layer.paste(g, (x0, y0), mask)
        self.im.alpha_composite(layer)

    def paste(self, other, x=0, y=0):
        """Lays another canvas of the same scale on this one at design point (x, y)."""
        px, py = self.p(x, y)
        layer = Image.new('RGBA', self.im.size, (0, 0, 0, 0))
        layer.paste(other.im, (int(round(px - self.ox)), int(round(py - self.oy))))
        self.im.alpha_composite(layer)

    def result(self):
        return self.im.resize((self.w, self.h), Image.BOX)


def hard_alpha(im):
    """Alpha of 0 or 255 only, so a window mask taken from it has a clean edge."""
    im = im.copy()
    im.putalpha(im.getchannel('A').point(lambda a: 255 if a >= 128 else 0))
    return im


def flatten(im, matte):
    """The picture laid on a plain colour (for JPEG, BMP and GIF edges)."""
    base = Image.new('RGBA', im.size, rgba(matte))
    base.alpha_composite(im)
    return base.convert('RGB')


# ---------------------------------------------------------------- the look

INK = (29, 78, 126)            # glyphs on light faces
OUTLINE = (61, 127, 184)       # window outline
SEPARATOR = (110, 170, 215)    # line under the title band, inner frame line
TITLE_TOP = (124, 195, 240)
TITLE_BOT = (166, 218, 248)
APP_BLUE = (144, 209, 247)     # the light blue the palettes use
PALE = (216, 239, 253)
BASE = (240, 245, 251)
BODY_TOP = (210, 236, 252)
BODY_BOT = (247, 251, 254)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
GREEN = (52, 168, 83)
AMBER = (242, 163, 33)
RED = (219, 68, 55)
PURPLE = (142, 86, 196)
GREY = (150, 158, 166)
SKY = (38, 132, 222)
BRAND = (24, 112, 196)
GOLD = (246, 190, 40)
YELLOW = (255, 214, 64)
FACE_INK = (92, 58, 18)
TRANSPARENT = (0, 0, 0, 0)

TITLE_STOPS = [(0, TITLE_TOP), (1, TITLE_BOT)]
FACE_STOPS = [(0, (252, 254, 255)), (0.48, (222, 241, 253)), (0.52, (200, 230, 250)), (1, (170, 216, 246))]
FACE_OVER_STOPS = [(0, WHITE), (0.48, (238, 249, 255)), (0.52, (218, 241, 254)), (1, (192, 230, 252))]
GIF_MATTE = (232, 244, 252)


def title_colour(y, band=20):
    """Colour of the title band at row y (row 0 is the outline)."""
    if y <= 0:
        return rgba(OUTLINE)
    return stops_at(TITLE_STOPS, (y - 0.5) / (band - 1))


def body_colour(t):
    return stops_at([(0, BODY_TOP), (0.55, (233, 245, 253)), (1, BODY_BOT)], t)


class Out:
    """What a drawer hands back when a plain picture is not enough."""

    def __init__(self, frames, durations=None, loop=None, matte=None, opaque=False):
        self.frames = frames if isinstance(frames, list) else [frames]
        self.durations = durations
        self.loop = loop
        self.matte = matte
        self.opaque = opaque


def rot(points, cx, cy, deg):
    a = math.radians(deg)
    ca, sa = math.cos(a), math.sin(a)
    return [(cx + (x - cx) * ca - (y - cy) * sa, cy + (x - cx) * sa + (y - cy) * ca) for x, y in points]


# ---------------------------------------------------------------- glyphs (32-unit grid)

def g_person(c, cx, top, s=1.0, col=SKY, edge=0.0, edge_col=WHITE):
    if edge:
        c.ellipse(cx, top + 6 * s, 5.5 * s + edge, fill=edge_col)
        c.chord(cx, top + 25 * s, 10 * s + edge, 180, 360, edge_col, ry=12 * s + edge)
    c.chord(cx, top + 25 * s, 10 * s, 180, 360, col, ry=12 * s)
    c.ellipse(cx, top + 6 * s, 5.5 * s, fill=lighter(col, 0.12))


def g_group(c, col=SKY, back=None, s=1.0, dy=0):
    back = back or lighter(col, 0.35)
    g_person(c, 9, 3 + dy, 0.72 * s, back)
    g_person(c, 23, 3 + dy, 0.72 * s, back)
    g_person(c, 16, 8 + dy, 0.95 * s, col, edge=1.6)


def g_badge(c, cx, cy, r, col, sym):
    c.ellipse(cx, cy, r + 1.6, fill=WHITE)
    c.radial(cx, cy, r, lighter(col, 0.3), darker(col, 0.1))
    w = r * 0.2
    if sym in ('+', '-'):
        c.rect(cx - r * 0.66, cy - w, cx + r * 0.66, cy + w, fill=WHITE)
    if sym == '+':
        c.rect(cx - w, cy - r * 0.66, cx + w, cy + r * 0.66, fill=WHITE)
    if sym == '?':
        c.text(cx, cy + 0.3, '?', r * 1.6, WHITE)
    if sym == '!':
        c.text(cx, cy + 0.3, '!', r * 1.6, WHITE)
    if sym == 'v':
        c.line([(cx - r * 0.5, cy), (cx - r * 0.1, cy + r * 0.42), (cx + r * 0.55, cy - r * 0.4)], WHITE, r * 0.34)
    if sym == 'x':
        k = r * 0.42
        c.line([(cx - k, cy - k), (cx + k, cy + k)], WHITE, r * 0.32)
        c.line([(cx - k, cy + k), (cx + k, cy - k)], WHITE, r * 0.32)
    if sym == 'clock':
        c.line([(cx, cy - r * 0.55), (cx, cy), (cx + r * 0.45, cy + r * 0.2)], WHITE, r * 0.28)


def g_bubble(c, x0, y0, x1, y1, col, tail=True, r=None, lines=0):
    r = (y1 - y0) * 0.3 if r is None else r
    dark = darker(col, 0.25)
    if tail:
        tx = x0 + (x1 - x0) * 0.22
        c.poly([(tx - 1, y1 - 2), (tx - 3.5, y1 + 5.5), (tx + 6, y1 - 2)], fill=dark)
    c.grad(x0, y0, x1, y1, [(0, lighter(col, 0.3)), (1, col)], r=r, outline=dark, width=1.2)
    if tail:
        c.poly([(tx, y1 - 2.4), (tx - 2, y1 + 3.2), (tx + 4.6, y1 - 2.4)], fill=col)
    for i in range(lines):
        y = y0 + (y1 - y0) * (i + 1) / (lines + 1)
        xe = x1 - 5 - (i % 2) * 4
        c.line([(x0 + 5, y), (xe, y)], WHITE, 2)


def g_envelope(c, x0, y0, x1, y1, body=WHITE, line=INK, width=1.6, opened=False, paper=False):
    mx = (x0 + x1) / 2
    if opened:
        c.poly([(x0, y0 + 5), (mx, y0 - 4), (x1, y0 + 5)], fill=(226, 236, 246),
               outline=line, width=width)
        if paper:
            c.rect(x0 + 3, y0 - 1, x1 - 3, y1 - 4, fill=WHITE, outline=GREY, width=1)
            for i in range(3):
                c.line([(x0 + 6, y0 + 2.5 + i * 3), (x1 - 6, y0 + 2.5 + i * 3)], (160, 170, 185), 1.2)
        c.poly([(x0, y0 + 5), (mx, y0 + 13), (x1, y0 + 5), (x1, y1), (x0, y1)], fill=body)
        c.line([(x0, y0 + 5), (x0, y1), (x1, y1), (x1, y0 + 5)], line, width)
        c.line([(x0, y0 + 5), (mx, y0 + 13), (x1, y0 + 5)], line, width)
        c.line([(x0, y1), (mx - 2, y1 - 6)], lighter(line, 0.4), width * 0.8)
        c.line([(x1, y1), (mx + 2, y1 - 6)], lighter(line, 0.4), width * 0.8)
    else:
        c.rect(x0, y0, x1, y1, fill=body, outline=line, width=width, r=1.5)
        c.line([(x0 + 1, y0 + 1.5), (mx, (y0 + y1) / 2 + 1.5), (x1 - 1, y0 + 1.5)], line, width)


def g_magnifier(c, cx, cy, r, col=INK, width=3.0, lens=(215, 236, 252, 255)):
    d = r * 0.7071
    c.line([(cx + d, cy + d), (cx + r * 1.75, cy + r * 1.75)], darker(col, 0.2), width * 1.7)
    c.ellipse(cx, cy, r, fill=lens)
    c.ellipse(cx - r * 0.3, cy - r * 0.3, r * 0.35, fill=(255, 255, 255, 170))
    c.ellipse(cx, cy, r, outline=col, width=width)


def g_gear(c, cx, cy, R, col=(112, 128, 150), teeth=8, hole=True):
    pts = []
    n = teeth * 4
    for i in range(n):
        a = 2 * math.pi * (i - 0.5) / n
        rr = R if (i % 4) in (0, 1) else R * 0.74
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    c.poly(pts, fill=col)
    c.ellipse(cx, cy, R * 0.74, fill=lighter(col, 0.15))
    if hole:
        c.ellipse(cx, cy, R * 0.32, fill=TRANSPARENT, replace=True)


def g_star(c, cx, cy, R, col=GOLD, outline=(200, 140, 10), inner=0.45, points=5):
    pts = []
    for i in range(points * 2):
        a = -math.pi / 2 + i * math.pi / points
        rr = R if i % 2 == 0 else R * inner
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    c.poly(pts, fill=col, outline=outline, width=1.2)


def g_clock(c, cx, cy, r, face=WHITE, rim=INK, hand=INK, width=2.0, ticks=True):
    c.ellipse(cx, cy, r, fill=face)
    c.ellipse(cx, cy, r, outline=rim, width=width)
    if ticks:
        for i in range(12):
            if i % 3 == 0:
                a = math.radians(i * 30)
                c.line([(cx + r * 0.72 * math.cos(a), cy + r * 0.72 * math.sin(a)),
                        (cx + r * 0.82 * math.cos(a), cy + r * 0.82 * math.sin(a))], rim, width * 0.6)
    c.line([(cx, cy - r * 0.6), (cx, cy), (cx + r * 0.42, cy + r * 0.28)], hand, width * 0.9)


def g_lock(c, opened=False, body=GOLD):
    steel = (128, 138, 152)
    if opened:
        c.arc(16, 9, 6.5, 180, 360, steel, 3.4)
        c.line([(22.5, 9), (22.5, 16)], steel, 3.4, cap=False)
        c.line([(9.5, 9), (9.5, 11)], steel, 3.4)
    else:
        c.arc(16, 12, 6.5, 180, 360, steel, 3.4)
        c.line([(9.5, 12), (9.5, 16)], steel, 3.4, cap=False)
        c.line([(22.5, 12), (22.5, 16)], steel, 3.4, cap=False)
    c.grad(5, 15, 27, 30, [(0, lighter(body, 0.35)), (1, darker(body, 0.1))], r=3,
           outline=darker(body, 0.35), width=1.2)
    c.ellipse(16, 21, 2.4, fill=(80, 60, 20))
    c.poly([(14.8, 21.5), (17.2, 21.5), (17.8, 26.5), (14.2, 26.5)], fill=(80, 60, 20))


def arrow_points(cx, cy, size, direction='up', shaft=0.36, head=0.95):
    s = size
    pts = [(cx, cy - s), (cx + s * head, cy), (cx + s * shaft, cy), (cx + s * shaft, cy + s),
           (cx - s * shaft, cy + s), (cx - s * shaft, cy), (cx - s * head, cy)]
    angle = {'up': 0, 'right': 90, 'down': 180, 'left': 270}[direction]
    return rot(pts, cx, cy, angle)


def g_arrow(c, cx, cy, size, direction, col, outline=None):
    c.poly(arrow_points(cx, cy, size, direction), fill=col, outline=outline or darker(col, 0.3), width=1.0)


def g_triangle(c, cx, cy, w, h, direction, col):
    pts = [(cx - w / 2, cy - h / 2), (cx + w / 2, cy - h / 2), (cx, cy + h / 2)]  # pointing down
    angle = {'down': 0, 'left': 90, 'up': 180, 'right': 270}[direction]
    c.poly(rot(pts, cx, cy, angle), fill=col)


def along(p, q, t, off=0.0):
    """Point at fraction t from p to q, pushed off the line sideways."""
    dx, dy = q[0] - p[0], q[1] - p[1]
    n = math.hypot(dx, dy) or 1
    return (p[0] + dx * t - dy / n * off, p[1] + dy * t + dx / n * off)


def g_pencil(c, tip, tail, width=6.0, body=(250, 196, 44), wood=(240, 206, 160), lead=(60, 60, 70)):
    L = math.hypot(tail[0] - tip[0], tail[1] - tip[1])
    cone = min(0.22, 7.5 / L)
    h = width / 2
    c.poly([along(tip, tail, cone, -h), along(tip, tail, 0.82, -h), along(tip, tail, 0.82, h), along(tip, tail, cone, h)],
           fill=body, outline=darker(body, 0.35), width=0.9)
    c.line([along(tip, tail, cone, 0), along(tip, tail, 0.82, 0)], darker(body, 0.12), 1.0, cap=False)
    c.poly([tip, along(tip, tail, cone, -h), along(tip, tail, cone, h)], fill=wood, outline=darker(wood, 0.4), width=0.8)
    c.poly([tip, along(tip, tail, cone * 0.38, -h * 0.38), along(tip, tail, cone * 0.38, h * 0.38)], fill=lead)
    c.poly([along(tip, tail, 0.82, -h), along(tip, tail, 0.88, -h), along(tip, tail, 0.88, h), along(tip, tail, 0.82, h)],
           fill=(176, 182, 192), outline=(110, 116, 128), width=0.8)
    c.poly([along(tip, tail, 0.88, -h), along(tip, tail, 1.0, -h), along(tip, tail, 1.0, h), along(tip, tail, 0.88, h)],
           fill=(240, 140, 150), outline=(170, 80, 90), width=0.8)


def g_brush(c, tip, tail, width=5.0):
    h = width / 2
    c.poly([tip, along(tip, tail, 0.3, -h * 1.1), along(tip, tail, 0.36, -h), along(tip, tail, 0.36, h),
            along(tip, tail, 0.3, h * 1.1)], fill=(70, 50, 40), outline=(40, 28, 20), width=0.7)
    c.poly([along(tip, tail, 0.36, -h), along(tip, tail, 0.5, -h * 0.8), along(tip, tail, 0.5, h * 0.8),
            along(tip, tail, 0.36, h)], fill=(188, 194, 204), outline=(110, 116, 128), width=0.8)
    c.poly([along(tip, tail, 0.5, -h * 0.55), along(tip, tail, 1.0, -h * 0.8), along(tip, tail, 1.0, h * 0.8),
            along(tip, tail, 0.5, h * 0.55)], fill=(200, 60, 50), outline=(120, 30, 25), width=0.8)


def g_eraser(c, cx, cy, w, h, angle=-35):
    pts = [(cx - w / 2, cy - h / 2), (cx + w / 2, cy - h / 2), (cx + w / 2, cy + h / 2), (cx - w / 2, cy + h / 2)]
    sleeve = [(cx, cy - h / 2), (cx + w / 2, cy - h / 2), (cx + w / 2, cy + h / 2), (cx, cy + h / 2)]
    c.poly(rot(pts, cx, cy, angle), fill=(244, 150, 162), outline=(160, 70, 85), width=1.0)
    c.poly(rot(sleeve, cx, cy, angle), fill=(70, 130, 210), outline=(30, 70, 130), width=1.0)


def g_floppy(c, x0=5, y0=5, x1=27, y1=27, col=(52, 98, 170)):
    c.poly([(x0, y0), (x1 - 4, y0), (x1, y0 + 4), (x1, y1), (x0, y1)], fill=col, outline=darker(col, 0.35), width=1.2)
    c.rect(x0 + 5, y0, x1 - 6, y0 + 8, fill=(205, 212, 222))
    c.rect(x1 - 10, y0 + 1.5, x1 - 7.5, y0 + 6.5, fill=col)
    c.rect(x0 + 3.5, y0 + 12, x1 - 3.5, y1, fill=WHITE)
    c.line([(x0 + 6.5, y0 + 16), (x1 - 6.5, y0 + 16)], (150, 170, 200), 1.4)
    c.line([(x0 + 6.5, y0 + 19.5), (x1 - 6.5, y0 + 19.5)], (150, 170, 200), 1.4)


def g_picture(c, x0, y0, x1, y1):
    c.rect(x0, y0, x1, y1, fill=WHITE, outline=(110, 120, 135), width=1.2, r=1)
    c.grad(x0 + 2.5, y0 + 2.5, x1 - 2.5, y1 - 2.5, [(0, (120, 190, 245)), (1, (205, 232, 252))])
    c.ellipse(x1 - 8, y0 + 8, 2.6, fill=(255, 200, 40))
    c.poly([(x0 + 2.5, y1 - 2.5), (x0 + 10, y0 + 12), (x0 + 15, y1 - 8), (x0 + 19, y0 + 15), (x1 - 2.5, y1 - 2.5)],
           fill=(70, 160, 80))


def g_camera(c, cx=16, cy=17):
    body = (70, 78, 92)
    c.rect(cx - 6, cy - 11, cx + 3, cy - 6, fill=body, r=1.5)
    c.grad(cx - 14, cy - 8, cx + 14, cy + 10, [(0, (110, 120, 136)), (1, (56, 62, 74))], r=3,
           outline=(36, 40, 48), width=1.0)
    c.ellipse(cx, cy + 1, 7.5, fill=(220, 226, 234))
    c.ellipse(cx, cy + 1, 5.5, fill=(30, 60, 110))
    c.ellipse(cx - 1.6, cy - 0.6, 1.8, fill=(160, 200, 250))
    c.rect(cx + 8, cy - 6, cx + 12, cy - 3.5, fill=(250, 210, 80))


def g_bell(c, cx=16, cy=15, col=GOLD):
    dark = darker(col, 0.35)
    c.ellipse(cx, cy + 11, 3, fill=(120, 90, 30))
    c.poly([(cx - 11, cy + 9), (cx - 8, cy + 4), (cx - 8, cy - 3), (cx + 8, cy - 3), (cx + 8, cy + 4), (cx + 11, cy + 9)],
           fill=col)
    c.chord(cx, cy - 3, 8, 180, 360, col, ry=9)
    c.line([(cx - 11, cy + 9), (cx + 11, cy + 9)], dark, 2.2)
    c.ellipse(cx, cy - 12.5, 1.8, fill=dark)
    c.line([(cx - 4.5, cy - 5), (cx - 5, cy + 4)], lighter(col, 0.6), 1.6)


def g_calendar(c, x0=4, y0=5, x1=28, y1=28):
    c.rect(x0, y0, x1, y1, fill=WHITE, outline=(100, 110, 125), width=1.2, r=2)
    c.rect(x0, y0, x1, y0 + 7, fill=RED, r=2)
    c.rect(x0, y0 + 4, x1, y0 + 7, fill=RED)
    for x in (x0 + 6, x1 - 6):
        c.line([(x, y0 - 2.5), (x, y0 + 2.5)], (90, 95, 105), 2.0)
    cols, rows = 4, 3
    for j in range(rows):
        for i in range(cols):
            x = x0 + 3.5 + i * (x1 - x0 - 7) / (cols - 1)
            y = y0 + 11 + j * (y1 - y0 - 15) / (rows - 1)
            c.rect(x - 1.6, y - 1.4, x + 1.6, y + 1.4, fill=(200, 60, 50) if (i, j) == (2, 1) else (130, 145, 165))


def g_mic(c, cx=16, col=(70, 80, 96)):
    c.grad(cx - 4.5, 3, cx + 4.5, 20, [(0, (150, 160, 176)), (1, col)], r=4.5, outline=darker(col, 0.3), width=1)
    for y in (8, 11, 14):
        c.line([(cx - 2.5, y), (cx + 2.5, y)], (200, 206, 216), 1.0)
    c.arc(cx, 13, 8, 0, 180, SKY, 2.2)
    c.line([(cx, 21), (cx, 26.5)], SKY, 2.2)
    c.line([(cx - 5.5, 27.5), (cx + 5.5, 27.5)], SKY, 2.4)


def g_key(c, col=GOLD):
    dark = darker(col, 0.35)
    c.line([(13, 19), (26, 6)], col, 3.6)
    c.line([(22.5, 9.5), (25.5, 12.5)], col, 3.0)
    c.line([(19.5, 12.5), (21.8, 14.8)], col, 3.0)
    c.ellipse(10, 22, 6.5, fill=col, outline=dark, width=1.2)
    c.ellipse(8.6, 23.4, 2.0, fill=TRANSPARENT, replace=True)


def g_plug(c, col=(64, 74, 92)):
    c.line([(16, 23), (16, 27), (11, 30.5)], (50, 54, 62), 2.6)
    for x in (12, 20):
        c.rect(x - 1.3, 2.5, x + 1.3, 10, fill=(196, 200, 208), outline=(120, 126, 136), width=0.8)
    c.grad(7, 9, 25, 24, [(0, lighter(col, 0.3)), (1, col)], r=3.5, outline=darker(col, 0.3), width=1.2)
    c.rect(9.5, 13, 22.5, 15, fill=(255, 255, 255, 70))
    c.ellipse(25, 23, 5.2, fill=WHITE)
    c.ellipse(25, 23, 4, fill=GREEN)


def g_doc(c, x0, y0, x1, y1, lines=3, col=WHITE):
    c.poly([(x0, y0), (x1 - 5, y0), (x1, y0 + 5), (x1, y1), (x0, y1)], fill=col, outline=(110, 120, 135), width=1.2)
    c.poly([(x1 - 5, y0), (x1 - 5, y0 + 5), (x1, y0 + 5)], fill=(215, 222, 232), outline=(110, 120, 135), width=1.0)
    for i in range(lines):
        y = y0 + 9 + i * 4
        if y < y1 - 2:
            c.line([(x0 + 3.5, y), (x1 - 3.5, y)], (150, 165, 185), 1.4)


def g_curved_arrow(c, cx, cy, r, start, end, col, width=3.2, head=5.0, ccw=False):
    """An arc from start to end degrees with a head at the end."""
    c.arc(cx, cy, r, min(start, end), max(start, end), col, width)
    a = math.radians(end)
    ex, ey = cx + r * math.cos(a), cy + r * math.sin(a)
    # tangent direction of travel
    sgn = -1 if ccw else 1
    tx, ty = -math.sin(a) * sgn, math.cos(a) * sgn
    nx, ny = math.cos(a), math.sin(a)
    c.poly([(ex + tx * head, ey + ty * head), (ex + nx * head * 0.8, ey + ny * head * 0.8),
            (ex - nx * head * 0.8, ey - ny * head * 0.8)], fill=col)


def g_face(c, base=YELLOW, rim=(196, 130, 8)):
    c.radial(16, 16, 14.5, lighter(base, 0.55), darker(base, 0.06))
    c.ellipse(16, 16, 14.5, outline=rim, width=1.4)


def g_eyes(c, y=12.5, rx=1.9, ry=2.7, dx=5.2, col=FACE_INK):
    c.ellipse(16 - dx, y, rx, ry, fill=col)
    c.ellipse(16 + dx, y, rx, ry, fill=col)


def g_smile(c, y=18, w=8, depth=5, col=FACE_INK, width=2.0):
    c.arc(16, y - depth, w, 30, 150, col, width, ry=depth * 1.6)


def g_frown(c, y=23, w=6.5, col=FACE_INK, width=2.0):
    c.arc(16, y + 4, w, 215, 325, col, width, ry=6)


def g_logo_mark(c, cx, cy, s, col=BRAND, letter=True):
    """The product mark: a speech bubble carrying a Z."""
    x0, y0, x1, y1 = cx - 13 * s, cy - 11 * s, cx + 13 * s, cy + 8 * s
    dark = darker(col, 0.3)
    c.poly([(cx - 6 * s, y1 - 2 * s), (cx - 9 * s, cy + 14 * s), (cx + 1 * s, y1 - 2 * s)], fill=dark)
    c.grad(x0, y0, x1, y1, [(0, lighter(col, 0.35)), (1, col)], r=8 * s, outline=dark, width=1.2 * s)
    c.poly([(cx - 5.5 * s, y1 - 2.6 * s), (cx - 7.6 * s, cy + 11.6 * s), (cx + 0.2 * s, y1 - 2.6 * s)], fill=col)
    c.ellipse(cx - 5 * s, cy - 6.5 * s, 6 * s, 2.5 * s, fill=(255, 255, 255, 70))
    if letter:
        w = 2.6 * s
        c.line([(cx - 6 * s, cy - 6 * s), (cx + 6 * s, cy - 6 * s), (cx - 6 * s, cy + 4 * s), (cx + 6 * s, cy + 4 * s)],
               WHITE, w)


# ---------------------------------------------------------------- drawers

DRAWERS = {}


def draws(*names):
    def reg(fn):
        for n in names:
            DRAWERS[n] = fn
        return fn
    return reg


def icon(w, h, fn, grid=32, bg=TRANSPARENT):
    c = Canvas(w, h, grid=grid, bg=bg)
    fn(c)
    return c.result()


# -- window frame

def frame_tile(w, h, draw):
    im = Image.new('RGBA', (w, h))
    px = im.load()
    for y in range(h):
        for x in range(w):
            px[x, y] = rgba(draw(x, y))
    return im


BAND = TITLE_BOT


@draws('corner1.jpg', 'corner2.jpg', 'top_1px.jpg')
def d_title_band(row):
    w, h = row['width'], row['height']
    left, right = row['name'] == 'corner1.jpg', row['name'] == 'corner2.jpg'

    def px(x, y):
        if y == 0 or (left and x == 0) or (right and x == w - 1):
            return OUTLINE
        if y == h - 1:
            return SEPARATOR
        return title_colour(y, h)
    return frame_tile(w, h, px)


@draws('corner3.jpg', 'corner4.png', '1px_transp_left.png', '1px_transp_right.png', '1px_transp_bottom.png')
def d_edges(row):
    name, w, h = row['name'], row['width'], row['height']
    left = name in ('corner3.jpg', '1px_transp_left.png')
    right = name in ('corner4.png', '1px_transp_right.png')
    bottom = name in ('corner3.jpg', 'corner4.png', '1px_transp_bottom.png')

    def px(x, y):
        if (left and x == 0) or (right and x == w - 1) or (bottom and y == h - 1):
            return OUTLINE
        if (left and x == w - 1 and (not bottom or y == 0)) or (right and x == 0 and (not bottom or y == 0)):
            return SEPARATOR
        if bottom and y == 0 and not (left or right):
            return SEPARATOR
        return BAND
    im = frame_tile(w, h, px)
    if name == 'corner4.png':
        # resize grip: three rows of dots along the diagonal
        c = Canvas(w, h)
        c.im = im.resize((w * SS, h * SS), Image.NEAREST)
        for i, n in enumerate((1, 2, 3)):
            for j in range(n):
                x = 8 - j * 2.5
                y = 8 - (n - 1 - j) * 2.5
                c.ellipse(x + 0.5, y + 0.5, 0.9, fill=WHITE)
                c.ellipse(x, y, 0.9, fill=darker(OUTLINE, 0.1))
        im = c.result()
    return im


@draws('bg_span.png')
def d_bg_span(row):
    h = row['height']
    title = 20

    def px(x, y):
        if y < title:
            return title_colour(y, title) if y < title - 1 else SEPARATOR
        return body_colour((y - title) / (h - title - 1))
    return frame_tile(1, h, px)


# -- title buttons

def title_button(w, h, glyph, hover, close=False):
    c = Canvas(w, h, bg=title_colour(10, 20))
    if close and hover:
        face, border, ink = [(0, (246, 120, 108)), (1, (200, 40, 32))], (140, 24, 18), WHITE
    elif hover:
        face, border, ink = [(0, WHITE), (1, (200, 236, 255))], (24, 120, 210), (8, 84, 168)
    else:
        face, border, ink = [(0, (250, 253, 255)), (1, (214, 236, 251))], OUTLINE, INK
    c.grad(0, 0, w, h, face, r=2.2, outline=border, width=1)
    cx = w / 2
    if glyph == 'close':
        c.line([(cx - 2.5, 3), (cx + 2.5, 8)], ink, 1.5, cap=False)
        c.line([(cx - 2.5, 8), (cx + 2.5, 3)], ink, 1.5, cap=False)
    elif glyph == 'min':
        c.rect(cx - 3, 7, cx + 3, 9, fill=ink)
    elif glyph == 'max':
        c.rect(2, 2, 9, 9, outline=ink, width=1)
        c.rect(2, 2, 9, 4, fill=ink)
    elif glyph == 'restore':
        c.rect(4, 2, 10, 7, outline=ink, width=1)
        c.rect(4, 2, 10, 3, fill=ink)
        c.rect(1, 4, 7, 10, fill=face[0][1], outline=ink, width=1)
        c.rect(1, 4, 7, 6, fill=ink)
    return c.result().convert('RGB')


@draws('index_r2_c11.jpg', 'mouseOverClose.jpg', 'index_r2_c8.jpg', 'mouseOverMinimize.jpg',
       'maxbut.jpg', 'mouseOverMax.png', 'maxbut.png', 'restore.png', 'restoreOver.png')
def d_title_buttons(row):
    look = {
        'index_r2_c11.jpg': ('close', False), 'mouseOverClose.jpg': ('close', True),
        'index_r2_c8.jpg': ('min', False), 'mouseOverMinimize.jpg': ('min', True),
        'maxbut.jpg': ('max', False), 'mouseOverMax.png': ('max', True), 'maxbut.png': ('max', False),
        'restore.png': ('restore', False), 'restoreOver.png': ('restore', True),
    }[row['name']]
    return title_button(row['width'], row['height'], look[0], look[1], close=look[0] == 'close')


# -- strips and button faces

def strip(w, h, stops, bottom_line=None):
    c = Canvas(w, h)
    c.grad(0, 0, w, h, stops)
    if bottom_line:
        c.rect(0, h - 1, w, h, fill=bottom_line)
    return c.result().convert('RGB')


@draws('menu1.jpg', 'menu2.jpg')
def d_menu(row):
    return strip(row['width'], row['height'], FACE_STOPS, bottom_line=(132, 192, 232))


@draws('menu1_over.jpg', 'menu2_over.jpg')
def d_menu_over(row):
    return strip(row['width'], row['height'], FACE_OVER_STOPS, bottom_line=(96, 170, 230))


@draws('bg_username.png')
def d_bg_username(row):
    return strip(row['width'], row['height'], [(0, WHITE), (0.6, (234, 245, 253)), (1, (214, 236, 251))],
                 bottom_line=(170, 212, 240))


@draws('bg.jpg')
def d_bg_strip(row):
    return strip(row['width'], row['height'], [(0, (238, 247, 254)), (1, (196, 228, 249))],
                 bottom_line=(160, 205, 236))


@draws('index_r8_c6.jpg', 'index_r8_c6_f2.jpg')
def d_signout_face(row):
    w, h = row['width'], row['height']
    c = Canvas(w, h, bg=body_colour(0.8))
    over = row['name'].endswith('_f2.jpg')
    c.grad(0, 0, w, h, FACE_OVER_STOPS if over else FACE_STOPS, r=4,
           outline=(24, 120, 210) if over else OUTLINE, width=1)
    # The button has no text of its own: the face carries its label.
    c.text(w / 2, h / 2, 'Sign Out', 10, (18, 70, 130), bold=True)
    return c.result().convert('RGB')


def push_button_caps(over):
    c = Canvas(9, 21, bg=(226, 242, 252))
    c.grad(0, 0, 9, 21, FACE_OVER_STOPS if over else FACE_STOPS, r=3,
           outline=(24, 120, 210) if over else (90, 150, 200), width=1)
    im = c.result().convert('RGB')
    return im.crop((0, 0, 3, 21)), im.crop((4, 0, 5, 21)), im.crop((6, 0, 9, 21))


@draws('buttonLeft.jpg', 'buttonMid.jpg', 'buttonRight.jpg',
       'buttonMouseOverLeft.jpg', 'buttonMouseOver.jpg', 'buttonMouseOverRight.jpg')
def d_push_button(row):
    name = row['name']
    left, mid, right = push_button_caps('MouseOver' in name)
    if name.endswith('Left.jpg'):
        return left
    if name.endswith('Right.jpg'):
        return right
    return mid


GROUP_LINE = (120, 172, 214)


def group_frame(over_size=28):
    c = Canvas(over_size, over_size)
    c.rect(0, 0, over_size, over_size, outline=GROUP_LINE, width=1, r=6)
    c.rect(1, 1, over_size - 1, over_size - 1, outline=(255, 255, 255, 150), width=1, r=5)
    return c.result()


@draws('groupframe_topleft.png', 'groupframe_topright.png', 'groupframe_bottom_left.png',
       'groupframe_bottom_right.png', 'groupframe_left_stretch.png', 'groupframe_right_stretch.png',
       'groupframe_top_stretch.png', 'groupframe_bottom_stretch.png')
def d_group_frame(row):
    name, w, h = row['name'], row['width'], row['height']
    full = group_frame(28)
    if name == 'groupframe_topleft.png':
        return full.crop((0, 0, 7, 7))
    if name == 'groupframe_topright.png':
        return full.crop((21, 0, 28, 7))
    if name == 'groupframe_bottom_left.png':
        return full.crop((0, 21, 7, 28))
    if name == 'groupframe_bottom_right.png':
        return full.crop((14, 14, 28, 28))
    if name == 'groupframe_left_stretch.png':
        return full.crop((0, 14, 7, 15)).resize((w, h), Image.NEAREST)
    if name == 'groupframe_right_stretch.png':
        return full.crop((21, 14, 28, 15)).resize((w, h), Image.NEAREST)
    if name == 'groupframe_top_stretch.png':
        return full.crop((14, 0, 15, 7)).resize((w, h), Image.NEAREST)
    return full.crop((14, 21, 15, 28)).resize((w, h), Image.NEAREST)


@draws('title_cap_left.png', 'title_stretch.png', 'title_cap_right.png')
def d_title_pill(row):
    # The style writes group titles in white with a dark shadow: a saturated pill.
    c = Canvas(9, 18)
    c.grad(0, 0, 9, 18, [(0, (112, 176, 230)), (1, (38, 108, 186))], r=4, outline=(30, 90, 160), width=1)
    im = c.result()
    return {'title_cap_left.png': im.crop((0, 0, 4, 18)), 'title_stretch.png': im.crop((4, 0, 5, 18)),
            'title_cap_right.png': im.crop((5, 0, 9, 18))}[row['name']]


@draws('radiobutton-off.png', 'radiobutton-on.png')
def d_radio(row):
    c = Canvas(13, 13)
    c.ellipse(6.5, 6.5, 6.5, fill=(90, 140, 185))
    c.grad(1, 1, 12, 12, [(0, (232, 242, 250)), (1, WHITE)], r=5.5)
    if row['name'].endswith('-on.png'):
        c.radial(6.5, 6.5, 3.2, (120, 190, 250), (20, 100, 190))
    return c.result()


@draws('checkBox.jpg', 'checkBox_3.jpg')
def d_check(row):
    c = Canvas(13, 13, bg=WHITE)
    c.grad(0, 0, 13, 13, [(0, (232, 242, 250)), (1, WHITE)], outline=(90, 140, 185), width=1)
    if row['name'] == 'checkBox_3.jpg':
        c.line([(3.2, 6.6), (5.6, 9.2), (10, 3.6)], (30, 140, 60), 1.9)
    return c.result().convert('RGB')


# -- shaped windows: the alpha channel is the outline

def card(w, h, band=0, r=10, accent=None, body=None):
    c = Canvas(w, h)
    body = body or [(0, (236, 247, 254)), (1, (208, 235, 251))]
    c.grad(0, 0, w, h, body, r=r)
    if band:
        c.grad(0, 0, w, band, [(0, TITLE_TOP), (1, TITLE_BOT)], r=r)
        c.grad(0, band - r, w, band, [(0, stops_at(TITLE_STOPS, 1 - r / band)), (1, TITLE_BOT)])
        c.rect(0, band, w, band + 1, fill=SEPARATOR)
    if accent:
        c.grad(0, 0, w, 6, [(0, lighter(accent, 0.25)), (1, accent)], r=min(r, 6))
        c.rect(0, 3, w, 6, fill=accent)
    c.rect(0, 0, w, h, outline=OUTLINE, width=1.2, r=r)
    c.rect(1.2, 1.2, w - 1.2, h - 1.2, outline=(255, 255, 255, 120), width=1, r=r - 1)
    return c


@draws('bg.png')
def d_main_bg(row):
    w, h = row['width'], row['height']
    c = card(w, h, band=40, r=12, body=[(0, BODY_TOP), (0.6, (232, 245, 253)), (1, (244, 250, 254))])
    # soft floor under the banner area
    c.rect(8, h - 24, w - 8, h - 23, fill=(190, 222, 245))
    return hard_alpha(c.result())


@draws('status_img.png', 'status_offline.png')
def d_toast(row):
    accent = GREEN if row['name'] == 'status_img.png' else GREY
    return hard_alpha(card(row['width'], row['height'], r=8, accent=accent).result())


@draws('image1.png')
def d_popup(row):
    return hard_alpha(card(row['width'], row['height'], band=22, r=9).result())


@draws('group_discussion.png', 'accept_image_1.png', 'statusMessage.png')
def d_invitation(row):
    return hard_alpha(card(row['width'], row['height'], band=26, r=10).result())


@draws('image2.png')
def d_profile_card(row):
    w, h = row['width'], row['height']
    return hard_alpha(card(w, h, band=30, r=12).result())


@draws('closetab.png', 'mouseOverClose.png')
def d_small_close(row):
    over = row['name'] == 'mouseOverClose.png'

    def fn(c):
        if over:
            c.radial(16, 16, 15.5, (250, 130, 118), (196, 38, 30))
            ink, rim = WHITE, (140, 24, 18)
        else:
            c.radial(16, 16, 15.5, WHITE, (190, 210, 228))
            ink, rim = (70, 96, 126), (120, 146, 172)
        c.ellipse(16, 16, 15.5, outline=rim, width=2)
        c.line([(10.5, 10.5), (21.5, 21.5)], ink, 3.4)
        c.line([(10.5, 21.5), (21.5, 10.5)], ink, 3.4)
    return hard_alpha(icon(row['width'], row['height'], fn))


@draws('transMsg.png', 'transparent.png')
def d_transparent(row):
    return Image.new('RGBA', (row['width'], row['height']), TRANSPARENT)


# -- product marks

@draws('icon.png')
def d_icon(row):
    return icon(row['width'], row['height'], lambda c: g_logo_mark(c, 16, 14, 1.15))


@draws('icon0.png', 'icon1.png', 'icon2.png', 'icon3.png')
def d_turning_icon(row):
    # the mark turning on its upright axis, like a coin
    w, h = row['width'], row['height']
    frame = int(row['name'][4])
    base = icon(w * 4, h * 4, lambda c: g_logo_mark(c, 16, 14, 1.15))
    squeeze = [1.0, 0.55, 0.14, 0.55][frame]
    nw = max(1, int(round(w * 4 * squeeze)))
    part = base.resize((nw, h * 4), Image.BOX)
    if frame == 3:
        part = part.transpose(Image.FLIP_LEFT_RIGHT)
    if frame in (1, 3):
        shade = Image.new('RGBA', part.size, (255, 255, 255, 0))
        ImageDraw.Draw(shade).rectangle([0, 0, nw // 3, h * 4], fill=(255, 255, 255, 60))
        part = Image.alpha_composite(part, Image.composite(shade, Image.new('RGBA', part.size), part.getchannel('A')))
    if frame == 2:
        ImageDraw.Draw(part).rectangle([0, h * 0.4, nw - 1, h * 3.2], fill=rgba(darker(BRAND, 0.2)))
    canvas = Image.new('RGBA', (w * 4, h * 4), TRANSPARENT)
    canvas.paste(part, ((w * 4 - nw) // 2, 0))
    return canvas.resize((w, h), Image.BOX)


def wordmark(c, x, y, size, col=BRAND, sub=True):
    c.text(x, y, 'Zembrio', size, darker(col, 0.25), anchor='ls')
    if sub:
        f = font(size * c.k)
        adv = f.getlength('Zembrio') / c.k
        c.text(x + adv + size * 0.3, y, 'Messenger', size * 0.62, (70, 120, 165), bold=False, anchor='ls')


@draws('logo.png')
def d_logo(row):
    w, h = row['width'], row['height']
    c = Canvas(w, h)
    g_logo_mark(c, 13, 12, 0.78)
    wordmark(c, 29, 19.5, 17)
    return c.result()


@draws('ZEL_logo.png')
def d_big_logo(row):
    w, h = row['width'], row['height']
    c = Canvas(w, h)
    g_logo_mark(c, 62, 36, 2.6, col=(120, 196, 246), letter=False)
    g_logo_mark(c, 52, 32, 2.6)
    c.text(w / 2, 97, 'Zembrio', 21, darker(BRAND, 0.3), anchor='ms')
    return c.result()


@draws('zel.jpg')
def d_splash(row):
    w, h = row['width'], row['height']
    c = Canvas(w, h)
    c.grad(0, 0, w, h, [(0, (20, 96, 176)), (0.55, (74, 160, 230)), (1, (190, 228, 252))])
    for i, (r, a) in enumerate(((260, 40), (220, 30), (180, 24))):
        c.ellipse(w + 30, h + 60, r, outline=(255, 255, 255, a), width=14 - i * 3)
    c.ellipse(60, 40, 120, fill=(255, 255, 255, 18))
    g_logo_mark(c, 92, 112, 3.0, col=(150, 210, 250), letter=False)
    g_logo_mark(c, 80, 106, 3.0, col=(30, 120, 210))
    c.text(150, 118, 'Zembrio', 52, WHITE, anchor='ls')
    c.text(153, 148, 'Instant Messenger', 18, (225, 242, 255), bold=False, anchor='ls')
    c.rect(150, 160, 360, 161.5, fill=(255, 255, 255, 140))
    return c.result().convert('RGB')


# -- presence

PRESENCE = {'Online': GREEN, 'Away': AMBER, 'Busy': RED, 'Meeting': PURPLE, 'Offline': GREY,
            'splash': SKY}


def presence_dot(c, word):
    if word == 'Invisible':
        c.ellipse(16, 16, 13.5, outline=(140, 148, 158), width=4.5)
        c.ellipse(16, 16, 15, outline=(255, 255, 255, 160), width=1.2)
        return
    col = PRESENCE[word]
    c.ellipse(16, 16, 15, fill=darker(col, 0.25))
    c.radial(16, 16, 13.6, lighter(col, 0.45), darker(col, 0.05))
    c.ellipse(13, 10.5, 6.5, 3.6, fill=(255, 255, 255, 90))
    if word == 'Online':
        c.line([(9.5, 16.5), (14, 21), (22.5, 11.5)], WHITE, 3.4)
    elif word == 'Away':
        c.line([(16, 8.5), (16, 16.5), (21.5, 19.5)], WHITE, 3.2)
    elif word == 'Busy':
        c.rect(8.5, 14, 23.5, 18.5, fill=WHITE, r=1.5)
    elif word == 'Meeting':
        for x in (11.5, 20.5):
            c.ellipse(x, 12, 2.8, fill=WHITE)
            c.chord(x, 22, 5, 180, 360, WHITE, ry=5.6)
    elif word == 'Offline':
        c.line([(11, 11), (21, 21)], WHITE, 3.2)
        c.line([(11, 21), (21, 11)], WHITE, 3.2)
    elif word == 'splash':
        for i in range(3):
            a = i * 60
            p = rot([(16, 8.8), (16, 23.2)], 16, 16, a)
            c.line(p, WHITE, 3.0)


@draws('Online.png', 'Away.png', 'Busy.png', 'Meeting.png', 'Offline.png', 'Invisible.png', 'splash.png')
def d_presence(row):
    word = row['name'][:-4]
    return icon(row['width'], row['height'], lambda c: presence_dot(c, word))


# -- people

@draws('add_icon.png', 'remove_icon.png')
def d_add_remove(row):
    add = row['name'] == 'add_icon.png'

    def fn(c):
        g_person(c, 12, 3, 1.0, SKY)
        g_badge(c, 23.5, 22.5, 7.8, GREEN if add else RED, '+' if add else '-')
    return icon(row['width'], row['height'], fn)


@draws('conferance_icon.png')
def d_conference(row):
    return icon(row['width'], row['height'], lambda c: g_group(c, SKY, dy=2))


@draws('groupChat.png')
def d_group_chat(row):
    def fn(c):
        g_group(c, SKY, dy=4)
        g_bubble(c, 19, 1, 31, 10, (255, 190, 60), r=3)
    return icon(row['width'], row['height'], fn)


@draws('icons/user_group.png')
def d_user_group(row):
    def fn(c):
        g_person(c, 11, 3, 0.9, lighter(SKY, 0.3))
        g_person(c, 20, 7, 1.0, SKY, edge=1.8)
    return icon(row['width'], row['height'], fn)


@draws('online_icon.png', 'offline_icon.png')
def d_group_row(row):
    col = GREEN if row['name'] == 'online_icon.png' else GREY

    def fn(c):
        g_person(c, 11, 4, 0.85, lighter(col, 0.3))
        g_person(c, 20, 7, 1.0, col, edge=1.8)
    return icon(row['width'], row['height'], fn)


@draws('userok_24.png', 'userclose_24.png', 'userApproval_24.png')
def d_contact_row(row):
    name = row['name']

    def fn(c):
        if name == 'userok_24.png':
            g_person(c, 14, 3, 1.05, SKY)
            g_badge(c, 25, 24, 5.5, GREEN, 'v')
        elif name == 'userclose_24.png':
            g_person(c, 14, 3, 1.05, (160, 168, 178))
        else:
            g_person(c, 14, 3, 1.05, (150, 190, 225))
            g_badge(c, 25, 24, 6, AMBER, '?')
    return icon(row['width'], row['height'], fn)


@draws('userInfo1.png', 'userimage.png')
def d_photo(row):
    info = row['name'] == 'userInfo1.png'

    def fn(c):
        if info:
            c.grad(0.5, 0.5, 31.5, 31.5, [(0, (232, 245, 254)), (1, (186, 224, 250))], r=4,
                   outline=(120, 170, 214), width=1)
            g_person(c, 16, 5.5, 1.0, (44, 120, 200))
            c.rect(0.5, 0.5, 31.5, 31.5, outline=(120, 170, 214), width=1, r=4)
        else:
            c.grad(0.5, 0.5, 31.5, 31.5, [(0, (244, 245, 247)), (1, (216, 220, 226))], r=4,
                   outline=(176, 182, 190), width=1)
            g_person(c, 16, 5.5, 1.0, (166, 174, 186))
            c.rect(0.5, 0.5, 31.5, 31.5, outline=(176, 182, 190), width=1, r=4)
    return icon(row['width'], row['height'], fn)


@draws('hide_offline_user.png')
def d_hide_offline(row):
    def fn(c):
        g_person(c, 15, 3, 1.1, (160, 168, 178))
        c.ellipse(16, 16, 13, outline=RED, width=3)
        c.line([(7, 25), (25, 7)], RED, 3)
    return icon(row['width'], row['height'], fn)


# -- tool and menu icons

@draws('chat_icon.png')
def d_chat(row):
    return icon(row['width'], row['height'], lambda c: g_bubble(c, 2, 4, 30, 22, SKY, lines=2, r=6))


@draws('status.gif')
def d_status(row):
    def fn(c):
        g_bubble(c, 2, 4, 30, 22, (255, 196, 60), r=6)
        for x in (10, 16, 22):
            c.ellipse(x, 13, 2.2, fill=(120, 80, 10))
    return icon(row['width'], row['height'], fn)


@draws('quickreply.gif')
def d_quick_reply(row):
    def fn(c):
        g_bubble(c, 2, 4, 30, 23, SKY, r=6)
        c.poly([(18, 6), (10, 15.5), (15.5, 15.5), (13, 22), (22, 12), (16.5, 12)], fill=(255, 214, 64),
               outline=(170, 120, 10), width=0.8)
    return icon(row['width'], row['height'], fn)


@draws('mail.jpg')
def d_mail(row):
    c = Canvas(row['width'], row['height'], grid=None, bg=body_colour(0.82))
    g_envelope_px(c, 1.5, 3.5, 19.5, 16.5)
    return c.result().convert('RGB')


def g_envelope_px(c, x0, y0, x1, y1):
    c.rect(x0, y0, x1, y1, fill=(255, 250, 230), outline=(170, 120, 40), width=1, r=1)
    mx = (x0 + x1) / 2
    c.line([(x0 + 0.8, y0 + 1), (mx, (y0 + y1) / 2 + 1.5), (x1 - 0.8, y0 + 1)], (170, 120, 40), 1.1)


@draws('email.gif')
def d_email(row):
    def fn(c):
        g_envelope(c, 2, 7, 30, 26, body=WHITE, line=SKY, width=2)
        c.ellipse(25, 9, 6.5, fill=WHITE)
        c.text(25, 9.5, '@', 11, BRAND)
    return icon(row['width'], row['height'], fn)


@draws('unreadmessag.png')
def d_unread(row):
    return icon(row['width'], row['height'],
                lambda c: g_envelope(c, 2, 7, 30, 26, body=(255, 246, 214), line=(170, 120, 40), width=2.2))


@draws('readMessage.png')
def d_read(row):
    return icon(row['width'], row['height'],
                lambda c: g_envelope(c, 2, 9, 30, 28, body=WHITE, line=(120, 130, 145), width=2.0,
                                     opened=True, paper=True))


@draws('mail_reply.bmp')
def d_mail_reply(row):
    def fn(c):
        g_envelope(c, 2, 10, 28, 28, body=(255, 246, 214), line=(170, 120, 40), width=2.0)
        c.arc(21, 14, 8, 180, 270, SKY, 3.2)
        c.poly([(21, 1.5), (27.5, 6), (21, 10.5)], fill=SKY)
        c.line([(13, 14), (13, 16)], SKY, 3.2)
    return Out(icon(row['width'], row['height'], fn), matte=WHITE)


@draws('offlineMessage.gif')
def d_offline_message(row):
    def fn(c):
        g_envelope(c, 1, 6, 26, 24, body=(255, 246, 214), line=(170, 120, 40), width=2.0)
        c.ellipse(24, 23, 7.5, fill=WHITE)
        g_clock(c, 24, 23, 6.2, face=WHITE, rim=SKY, hand=SKY, width=2.0, ticks=False)
    return icon(row['width'], row['height'], fn)


@draws('chat_history_client.png')
def d_history(row):
    def fn(c):
        g_doc(c, 4, 2, 24, 29, lines=4)
        c.ellipse(23, 22, 8.5, fill=WHITE)
        g_clock(c, 23, 22, 7.2, face=WHITE, rim=BRAND, hand=BRAND, width=2.2, ticks=False)
    return icon(row['width'], row['height'], fn)


@draws('voiceChat.png')
def d_voice_chat(row):
    return icon(row['width'], row['height'], lambda c: g_mic(c))


@draws('search_icon.gif')
def d_search(row):
    return icon(row['width'], row['height'], lambda c: g_magnifier(c, 13, 13, 8.5, INK, 3.2))


@draws('Search_Green.png', 'Search_Red.png')
def d_search_field(row):
    w, h = row['width'], row['height']
    green = row['name'] == 'Search_Green.png'
    tint = (236, 250, 238) if green else (253, 238, 236)
    col = (46, 150, 70) if green else (200, 56, 44)
    c = Canvas(w, h)
    c.grad(0, 0, w, h, [(0, WHITE), (1, tint)])
    sub = Canvas(h, h, grid=32)
    g_magnifier(sub, 14, 14, 7.5, col, 3.0, lens=WHITE)
    c.paste(sub, w - h - 2, 0)
    return c.result().convert('RGB')


@draws('preferences.png')
def d_preferences(row):
    return icon(row['width'], row['height'], lambda c: g_gear(c, 16, 16, 14.5))


@draws('change_password.png')
def d_change_password(row):
    return icon(row['width'], row['height'], lambda c: g_key(c))


@draws('reminder.png')
def d_reminder(row):
    def fn(c):
        c.ellipse(8, 6, 5, fill=RED)
        c.ellipse(24, 6, 5, fill=RED)
        c.line([(9, 27), (6.5, 30)], (90, 95, 105), 2.4)
        c.line([(23, 27), (25.5, 30)], (90, 95, 105), 2.4)
        g_clock(c, 16, 17.5, 11.5, face=WHITE, rim=RED, hand=(50, 56, 66), width=3.0)
    return icon(row['width'], row['height'], fn)


@draws('signout.gif')
def d_signout(row):
    def fn(c):
        c.rect(4, 3, 19, 29, fill=(150, 110, 70), outline=(100, 70, 40), width=1.4, r=1)
        c.rect(7, 6, 16, 29, fill=(196, 150, 100))
        c.ellipse(14, 17, 1.3, fill=(255, 220, 120))
        g_arrow(c, 22, 17, 8.5, 'right', GREEN)
    return icon(row['width'], row['height'], fn)


@draws('exit.png')
def d_exit(row):
    def fn(c):
        c.radial(16, 16, 14.5, (250, 120, 108), (190, 36, 28))
        c.arc(16, 17, 7.5, 300, 600, WHITE, 3.2)
        c.line([(16, 6.5), (16, 15.5)], WHITE, 3.2)
    return icon(row['width'], row['height'], fn)


@draws('phone.png')
def d_phone(row):
    def fn(c):
        col = (40, 80, 130)
        c.poly([(8, 17), (24, 17), (29, 30), (3, 30)], fill=lighter(col, 0.15), outline=darker(col, 0.2), width=1)
        c.ellipse(16, 23.5, 4.2, fill=(220, 230, 242))
        c.ellipse(16, 23.5, 1.6, fill=col)
        c.arc(16, 14, 13, 195, 345, col, 4.5, ry=9)
        c.rect(1.5, 8.5, 9.5, 15.5, fill=col, r=2.5)
        c.rect(22.5, 8.5, 30.5, 15.5, fill=col, r=2.5)
    return icon(row['width'], row['height'], fn)


@draws('favourite.png')
def d_favourite(row):
    return icon(row['width'], row['height'], lambda c: g_star(c, 16, 17, 14.5))


@draws('toolTip.png')
def d_tooltip(row):
    def fn(c):
        c.poly([(16, 2.5), (30.5, 28.5), (1.5, 28.5)], fill=(255, 200, 40), outline=(190, 120, 0), width=1.6)
        c.rect(14.2, 10, 17.8, 21, fill=(60, 40, 0), r=1.5)
        c.ellipse(16, 24.6, 2.1, fill=(60, 40, 0))
    return icon(row['width'], row['height'], fn)


@draws('info_icon.png', 'questionmark.png')
def d_sign(row):
    info = row['name'] == 'info_icon.png'

    def fn(c):
        col = SKY if info else (40, 150, 120)
        c.ellipse(16.6, 16.8, 15, fill=(0, 0, 0, 40))
        c.radial(16, 16, 15, lighter(col, 0.45), darker(col, 0.2))
        c.ellipse(16, 16, 15, outline=darker(col, 0.35), width=0.8)
        c.ellipse(13, 9, 8.5, 4.2, fill=(255, 255, 255, 70))
        if info:
            c.ellipse(16, 9.2, 2.3, fill=WHITE)
            c.rect(13.9, 13, 18.1, 24.5, fill=WHITE, r=1)
            c.rect(12.5, 23.2, 19.5, 25, fill=WHITE, r=0.5)
        else:
            c.text(16, 17.2, '?', 20, WHITE)
    return icon(row['width'], row['height'], fn)


@draws('lock.gif', 'unlock.gif')
def d_lock(row):
    return icon(row['width'], row['height'], lambda c: g_lock(c, opened=row['name'] == 'unlock.gif'))


@draws('uploading.png', 'downloading.png')
def d_transfer(row):
    up = row['name'] == 'uploading.png'

    def fn(c):
        c.rect(3, 22, 29, 29, fill=(150, 160, 176), outline=(96, 104, 118), width=1.2, r=1.5)
        c.rect(6, 24.5, 26, 26, fill=(210, 216, 226))
        if up:
            g_arrow(c, 16, 11, 9.5, 'up', GREEN)
        else:
            g_arrow(c, 16, 11, 9.5, 'down', SKY)
    return icon(row['width'], row['height'], fn)


@draws('ftp.gif')
def d_ftp(row):
    def fn(c):
        g_arrow(c, 10, 14, 8, 'up', GREEN)
        g_arrow(c, 22, 18, 8, 'down', SKY)
    return icon(row['width'], row['height'], fn)


@draws('textbold.png', 'textitalic.png', 'textunder.png')
def d_text_style(row):
    name = row['name']

    def fn(c):
        ink = (40, 46, 56)
        if name == 'textbold.png':
            c.text(16, 17, 'B', 27, ink)
        elif name == 'textitalic.png':
            c.text(16, 17, 'I', 28, ink, serif=True, italic=True)
        else:
            c.text(16, 14.5, 'U', 24, ink)
            c.rect(7, 27, 25, 29.5, fill=ink)
    return icon(row['width'], row['height'], fn)


@draws('fontcolor.jpg')
def d_font_colour(row):
    def fn(c):
        c.text(16, 13.5, 'A', 22, (40, 46, 56))
        c.rect(6, 25, 26, 29.5, fill=RED)
    return Out(icon(row['width'], row['height'], fn, bg=BASE), matte=BASE)


@draws('background_color.jpg')
def d_background_colour(row):
    def fn(c):
        pts = rot([(7, 9), (19, 9), (19, 21), (7, 21)], 13, 15, -35)
        c.poly(pts, fill=(226, 232, 240), outline=(80, 90, 104), width=1.4)
        c.arc(13, 8, 5, 180, 360, (80, 90, 104), 1.4)
        c.poly([(20, 14), (24.5, 17.5), (24, 21), (21.5, 19)], fill=(250, 196, 40))
        c.rect(6, 25, 26, 29.5, fill=(250, 210, 40))
    return Out(icon(row['width'], row['height'], fn, bg=BASE), matte=BASE)


@draws('textpointer.png')
def d_text_pointer(row):
    def fn(c):
        c.text(16, 16.5, 'A', 34, (30, 30, 34))
    return icon(row['width'], row['height'], fn)


@draws('smiley.gif')
def d_smiley_button(row):
    def fn(c):
        g_face(c)
        g_eyes(c)
        g_smile(c)
    return icon(row['width'], row['height'], fn)


@draws('capture.png')
def d_capture(row):
    return icon(row['width'], row['height'], lambda c: g_camera(c))


@draws('save.png')
def d_save(row):
    return icon(row['width'], row['height'], lambda c: g_floppy(c, 4, 4, 28, 28))


@draws('insertImage.png')
def d_insert_image(row):
    return icon(row['width'], row['height'], lambda c: g_picture(c, 2, 5, 30, 27))


@draws('next.png', 'prev.png')
def d_next_prev(row):
    nxt = row['name'] == 'next.png'

    def fn(c):
        c.radial(16, 16, 14.5, (120, 210, 120), (36, 140, 60))
        c.ellipse(16, 16, 14.5, outline=(28, 110, 46), width=1.0)
        pts = arrow_points(16, 16, 9, 'right' if nxt else 'left', shaft=0.34, head=0.78)
        c.poly(pts, fill=WHITE)
    return icon(row['width'], row['height'], fn)


@draws('arrow.gif', 'arrowbackward.gif')
def d_wrap(row):
    top = row['name'] == 'arrow.gif'

    def fn(c):
        # a U-turn: down the page, then back to its other end
        col = BRAND
        if top:
            c.line([(10, 8), (10, 22)], (170, 190, 210), 3.0)
            c.arc(16, 22, 6, 0, 180, col, 3.4)
            c.line([(22, 22), (22, 12)], col, 3.4, cap=False)
            c.poly([(22, 3.5), (28, 12.5), (16, 12.5)], fill=col)
        else:
            c.line([(10, 24), (10, 10)], (170, 190, 210), 3.0)
            c.arc(16, 10, 6, 180, 360, col, 3.4)
            c.line([(22, 10), (22, 20)], col, 3.4, cap=False)
            c.poly([(22, 28.5), (28, 19.5), (16, 19.5)], fill=col)
    return icon(row['width'], row['height'], fn)


@draws('auto.gif')
def d_auto(row):
    def fn(c):
        g_curved_arrow(c, 16, 16, 11, 200, 340, GREEN, 3.2, 5.5)
        g_curved_arrow(c, 16, 16, 11, 20, 160, SKY, 3.2, 5.5)
        c.ellipse(16, 16, 4.5, fill=(255, 196, 40))
    return icon(row['width'], row['height'], fn)


@draws('NotificationIcon.gif')
def d_notification(row):
    return icon(row['width'], row['height'], lambda c: g_bell(c))


@draws('coonect.gif')
def d_connect(row):
    return icon(row['width'], row['height'], lambda c: g_plug(c))


@draws('date.png')
def d_date(row):
    return icon(row['width'], row['height'], lambda c: g_calendar(c))


# -- small arrows

@draws('branch-closed.png', 'branch-open.png')
def d_branch(row):
    opened = row['name'] == 'branch-open.png'
    c = Canvas(row['width'], row['height'])
    if opened:
        c.poly([(0.5, 2.5), (8.5, 2.5), (4.5, 7)], fill=(70, 96, 126))
    else:
        c.poly([(2.5, 0.5), (7, 4.5), (2.5, 8.5)], fill=(70, 96, 126))
    return c.result()


def small_triangle(w, h, direction, col):
    c = Canvas(w, h)
    if direction == 'down':
        c.poly([(0.5, 0.8), (w - 0.5, 0.8), (w / 2, h - 0.6)], fill=col)
    elif direction == 'up':
        c.poly([(0.5, h - 0.8), (w - 0.5, h - 0.8), (w / 2, 0.6)], fill=col)
    elif direction == 'left':
        c.poly([(w - 2, 1), (w - 2, h - 1), (1.5, h / 2)], fill=col)
    else:
        c.poly([(2, 1), (2, h - 1), (w - 1.5, h / 2)], fill=col)
    return c.result()


@draws('up_arrow.gif')
def d_header_arrow(row):
    # sits on the dark header section
    return Out(small_triangle(row['width'], row['height'], 'up', (240, 240, 240)), matte=(88, 88, 88))


@draws('combo-open.png', 'combo-close.png', 'combo-openDisable.png', 'combo-closeDisable.png')
def d_combo_arrows(row):
    name = row['name']
    col = (160, 166, 174) if 'Disable' in name else (44, 70, 100)
    return small_triangle(row['width'], row['height'], 'down' if 'open' in name else 'up', col)


@draws('ArrowUp.gif', 'ArrowDown.gif', 'ArrowLeft.gif', 'ArrowRight.gif')
def d_scroll_arrows(row):
    direction = row['name'][5:-4].lower()
    w, h = row['width'], row['height']
    c = Canvas(w, h)
    # a wide flat triangle pointing down, turned to face its way
    pts = [(w / 2 - 3.8, h / 2 - 2.0), (w / 2 + 3.8, h / 2 - 2.0), (w / 2, h / 2 + 2.2)]
    c.poly(rot(pts, w / 2, h / 2, {'down': 0, 'left': 90, 'up': 180, 'right': 270}[direction]), fill=INK)
    return Out(c.result(), matte=(218, 241, 248))


# -- capture editor tools (30 x 30 faces, opaque)

TOOL_BG = BASE
TOOL_INK = (44, 58, 78)


def tool(row, fn, opaque=True):
    bg = TOOL_BG if opaque else TRANSPARENT
    return Out(icon(row['width'], row['height'], fn, bg=bg), matte=TOOL_BG)


@draws('pen_t.bmp')
def d_tool_pen(row):
    return tool(row, lambda c: g_pencil(c, (5, 27), (27, 5), 6.5))


@draws('line_t.bmp')
def d_tool_line(row):
    def fn(c):
        c.line([(6, 26), (26, 6)], TOOL_INK, 2.6)
        c.ellipse(6, 26, 2.6, fill=SKY)
        c.ellipse(26, 6, 2.6, fill=SKY)
    return tool(row, fn)


@draws('rect_t.bmp')
def d_tool_rect(row):
    return tool(row, lambda c: c.rect(5, 8, 27, 24, outline=TOOL_INK, width=2.6))


@draws('circle_t.bmp')
def d_tool_circle(row):
    return tool(row, lambda c: c.ellipse(16, 16, 11.5, 9, outline=TOOL_INK, width=2.6))


@draws('text_t.bmp')
def d_tool_text(row):
    return tool(row, lambda c: c.text(16, 17, 'T', 26, TOOL_INK, serif=True))


@draws('eraser_t.bmp')
def d_tool_eraser(row):
    def fn(c):
        c.line([(4, 28), (28, 28)], (170, 180, 192), 1.6)
        g_eraser(c, 16, 16, 22, 10, -40)
    return tool(row, fn)


@draws('width.png')
def d_tool_width(row):
    def fn(c):
        for y, wd in ((8, 1.5), (14, 3), (21.5, 5.5)):
            c.line([(5, y), (27, y)], TOOL_INK, wd)
    return icon(row['width'], row['height'], fn)


@draws('fill_t.bmp')
def d_tool_fill(row):
    def fn(c):
        c.ellipse(16, 16, 13.5, 12, fill=(236, 210, 160), outline=(150, 110, 60), width=1.4)
        c.ellipse(21, 21, 3, fill=TOOL_BG)
        for (x, y), col in zip(((9, 11), (15, 7.5), (22, 10), (9.5, 19)), (RED, (250, 200, 40), GREEN, SKY)):
            c.ellipse(x, y, 2.8, fill=col)
    return tool(row, fn)


@draws('blur_t.bmp')
def d_tool_brush(row):
    def fn(c):
        c.ellipse(8, 25, 4.5, 2.6, fill=(200, 60, 50, 120))
        g_brush(c, (6, 26), (28, 4), 6)
    return tool(row, fn)


@draws('rot90ccw_t.bmp')
def d_tool_arrow(row):
    def fn(c):
        c.line([(6, 26), (22, 10)], RED, 2.8)
        c.poly([(27, 5), (25, 17), (15, 7)], fill=RED)
    return tool(row, fn)


@draws('select_t.bmp')
def d_tool_select(row):
    def fn(c):
        for x0, y0, x1, y1 in ((5, 7, 27, 7), (27, 7, 27, 25), (27, 25, 5, 25), (5, 25, 5, 7)):
            n = 5
            for i in range(n):
                t0, t1 = i / n, (i + 0.55) / n
                c.line([(x0 + (x1 - x0) * t0, y0 + (y1 - y0) * t0), (x0 + (x1 - x0) * t1, y0 + (y1 - y0) * t1)],
                       TOOL_INK, 1.8, cap=False)
    return tool(row, fn)


@draws('libdel.bmp')
def d_tool_crop(row):
    def fn(c):
        c.line([(9, 3), (9, 23), (29, 23)], TOOL_INK, 3.0, cap=False)
        c.line([(3, 9), (23, 9), (23, 29)], SKY, 3.0, cap=False)
    return tool(row, fn)


@draws('flipv_t.bmp')
def d_tool_rotate(row):
    def fn(c):
        c.rect(10, 12, 22, 26, fill=(205, 226, 246), outline=TOOL_INK, width=1.8)
        g_curved_arrow(c, 16, 16, 12, 200, 330, GREEN, 2.8, 4.8)
    return tool(row, fn)


@draws('photo_t.png')
def d_tool_board(row):
    def fn(c):
        c.line([(9, 20), (5, 30)], (150, 110, 70), 2.2)
        c.line([(23, 20), (27, 30)], (150, 110, 70), 2.2)
        c.line([(16, 20), (16, 29)], (150, 110, 70), 2.2)
        c.rect(3, 4, 29, 21, fill=WHITE, outline=(110, 120, 135), width=1.6, r=1)
        c.line([(7, 10), (12, 14), (16, 9), (22, 15)], SKY, 1.8)
    return icon(row['width'], row['height'], fn)


@draws('undo_t.bmp', 'redo_t.bmp')
def d_tool_undo(row):
    undo = row['name'] == 'undo_t.bmp'

    def fn(c):
        # an arc over the top, its head on the left pointing down
        c.arc(17, 18, 9, 180, 420, SKY, 3.4)
        c.poly([(2.5, 15.5), (13.5, 15.5), (8, 23.5)], fill=SKY)
    im = tool(row, fn)
    if not undo:
        im.frames = [im.frames[0].transpose(Image.FLIP_LEFT_RIGHT)]
    return im


@draws('zoom-in.png', 'zoom-out.png')
def d_zoom(row):
    plus = row['name'] == 'zoom-in.png'

    def fn(c):
        g_magnifier(c, 13, 13, 9.5, TOOL_INK, 3.0, lens=WHITE)
        c.rect(8.5, 11.6, 17.5, 14.4, fill=GREEN if plus else RED)
        if plus:
            c.rect(11.6, 8.5, 14.4, 17.5, fill=GREEN)
    return icon(row['width'], row['height'], fn)


# -- cursors: the hot spot is the centre, so tips sit there

@draws('Wait.png')
def d_wait(row):
    def fn(c):
        frame = (60, 66, 78)
        c.poly([(9, 5), (23, 5), (16.8, 16), (23, 27), (9, 27), (15.2, 16)], fill=(236, 242, 248),
               outline=frame, width=1.4)
        c.poly([(11.5, 8), (20.5, 8), (16, 14)], fill=(240, 190, 60))
        c.poly([(16, 20), (20.5, 25), (11.5, 25)], fill=(240, 190, 60))
        c.line([(16, 14), (16, 21)], (240, 190, 60), 1.0)
        c.rect(6, 2.5, 26, 5.5, fill=frame, r=1)
        c.rect(6, 26.5, 26, 29.5, fill=frame, r=1)
    return icon(row['width'], row['height'], fn)


@draws('pencil.png')
def d_pencil_cursor(row):
    def fn(c):
        g_pencil(c, (16, 16), (30, 2), 6.0)
    return icon(row['width'], row['height'], fn)


@draws('brush.png')
def d_brush_cursor(row):
    def fn(c):
        g_brush(c, (16, 16), (31, 1), 5.5)
    return icon(row['width'], row['height'], fn)


@draws('eraserWidth.png')
def d_eraser_square(row):
    w, h = row['width'], row['height']
    c = Canvas(w, h)
    c.rect(0, 0, w, h, fill=WHITE, outline=BLACK, width=1)
    c.rect(1, 1, w - 1, h - 1, outline=(150, 150, 150), width=1)
    return c.result()


# -- animations

def trochoid(t0, t1, steps, x0=4.0, yc=12.0, a=1.25, b=2.3, scale=1.0):
    pts = []
    for i in range(steps + 1):
        t = t0 + (t1 - t0) * i / steps
        pts.append((x0 + (a * t - b * math.sin(t)) * scale, yc - b * math.cos(t) * scale * 0.9))
    return pts


@draws('process.gif')
def d_process(row):
    w, h = row['width'], row['height']
    frames = []
    n = 12
    for f in range(n):
        c = Canvas(w, h, grid=150)
        for j in range(n):
            age = (f - j) % n          # 0 is the leading dot
            t = age / (n - 1)
            a = 2 * math.pi * j / n - math.pi / 2
            r = 10.5 - 4.0 * t
            col = mix(BRAND, (196, 226, 248), t)
            c.ellipse(75 + 52 * math.cos(a), 75 + 52 * math.sin(a), r, fill=col)
        frames.append(c.result())
    return Out(frames, [80] * n, loop=True, matte=body_colour(0.45))


@draws('connecting.gif')
def d_connecting(row):
    w, h = row['width'], row['height']
    frames = []
    n, period = 10, 20
    for f in range(n):
        c = Canvas(w, h)
        c.rect(0, 0, w, h, fill=WHITE, outline=(130, 178, 216), width=1, r=h / 2)
        stripes = Canvas(w, h)
        for k in range(-2, w // period + 3):
            x = k * period + f * period / n
            stripes.poly([(x, h), (x + 8, h), (x + 8 + h, 0), (x + h, 0)], fill=SKY)
        mask = Image.new('L', c.im.size, 0)
        ImageDraw.Draw(mask).rounded_rectangle([2 * SS, 2 * SS, (w - 2) * SS - 1, (h - 2) * SS - 1],
                                               radius=(h / 2 - 2) * SS, fill=255)
        layer = Image.new('RGBA', c.im.size, TRANSPARENT)
        layer.paste(stripes.im, (0, 0), mask)
        c.im.alpha_composite(layer)
        frames.append(c.result())
    return Out(frames, [60] * n, loop=True, matte=body_colour(0.6))


@draws('filedownload.gif')
def d_file_download(row):
    w, h = row['width'], row['height']
    frames = []
    n = 8
    for f in range(n):
        c = Canvas(w, h)
        bob = 1.5 * math.sin(2 * math.pi * f / n)
        arrow = Canvas(20, 20, grid=32)
        arrow.rect(4, 26, 28, 30, fill=(120, 130, 146), r=1)
        g_arrow(arrow, 16, 12 + bob * 1.6, 10, 'down', GREEN)
        c.paste(arrow, 0, 0)
        c.rect(21, 6, w - 1, 14, fill=WHITE, outline=(130, 178, 216), width=1, r=4)
        stripes = Canvas(w, h)
        for k in range(-1, 6):
            x = 20 + k * 8 + f
            stripes.poly([(x, 13), (x + 3.5, 13), (x + 7, 7), (x + 3.5, 7)], fill=GREEN)
        inside = Image.new('L', c.im.size, 0)
        ImageDraw.Draw(inside).rounded_rectangle([22 * SS, 7 * SS, (w - 2) * SS - 1, 13 * SS - 1],
                                                 radius=3 * SS, fill=255)
        layer = Image.new('RGBA', c.im.size, TRANSPARENT)
        layer.paste(stripes.im, (0, 0), inside)
        c.im.alpha_composite(layer)
        frames.append(c.result())
    return Out(frames, [100] * n, loop=True)


def writing_frames(w, h, erase):
    n = 10
    t_end = 30.0
    full = trochoid(0, t_end, 240)
    frames = []
    for f in range(n):
        c = Canvas(w, h)
        frac = (f + 1) / n
        if erase:
            x_cut = 4 + (w - 8) * frac
            kept = [p for p in full if p[0] > x_cut + 4]
            if len(kept) > 1:
                c.line(kept, (70, 90, 120), 1.3)
            g_eraser(c, x_cut, 11 + (1.2 if f % 2 else -1.2), 10, 6, -30)
        else:
            upto = max(2, int(len(full) * frac))
            drawn = full[:upto]
            c.line(drawn, (30, 60, 110), 1.3)
            tip = drawn[-1]
            g_pencil(c, tip, (tip[0] + 11, tip[1] - 14), 4.2)
        frames.append(c.result())
    return frames


@draws('pencil.gif')
def d_pencil_anim(row):
    # plays once: the typing caption clears when the movie finishes
    return Out(writing_frames(row['width'], row['height'], False), [1000] * 10, loop=False)


@draws('eraser.gif')
def d_eraser_anim(row):
    return Out(writing_frames(row['width'], row['height'], True), [1000] * 10, loop=False)


def wave_frames(w, h, lo, hi, bars=54):
    n = 12
    frames = []
    pitch = w / bars
    for f in range(n):
        c = Canvas(w, h)
        ph = 2 * math.pi * f / n
        for i in range(bars):
            x = (i + 0.5) * pitch
            env = 0.35 + 0.65 * math.sin(math.pi * (i + 0.5) / bars) ** 0.8
            amp = abs(math.sin(i * 0.55 + ph) * 0.6 + math.sin(i * 0.23 - 2 * ph) * 0.4)
            bh = max(2.0, (h - 8) * env * (0.18 + 0.82 * amp))
            col = mix(lo, hi, amp)
            c.rect(x - pitch * 0.32, h / 2 - bh / 2, x + pitch * 0.32, h / 2 + bh / 2, fill=col, r=pitch * 0.3)
        frames.append(c.result())
    return Out(frames, [90] * n, loop=True)


@draws('voicePlay.gif')
def d_voice_recording_wave(row):
    # shown while the microphone records: warm colours
    return wave_frames(row['width'], row['height'], (246, 150, 120), (214, 52, 44))


@draws('VoiceRecording.gif')
def d_voice_playing_wave(row):
    # shown while a voice mail plays back
    return wave_frames(row['width'], row['height'], (130, 196, 246), (24, 108, 196))


@draws('Smileys/banner.gif')
def d_banner(row):
    w, h = row['width'], row['height']
    base = Canvas(w, h)
    base.grad(0, 0, w, h, [(0, (26, 104, 186)), (1, (104, 184, 242))])
    base.ellipse(w - 30, h + 40, 90, outline=(255, 255, 255, 40), width=10)
    base.ellipse(w - 30, h + 40, 60, outline=(255, 255, 255, 30), width=8)
    g_logo_mark(base, 34, 30, 1.45, col=(60, 150, 230))
    base.text(62, 37, 'Zembrio', 28, WHITE, anchor='ls')
    base.text(64, 53, 'Instant Messenger', 11.5, (226, 242, 255), bold=False, anchor='ls')
    still = base.result()
    frames, durations = [still], [2500]
    n = 14
    for f in range(1, n + 1):
        shine = Canvas(w, h)
        x = -40 + (w + 80) * f / (n + 1)
        shine.poly([(x, 0), (x + 18, 0), (x - 2, h), (x - 20, h)], fill=(255, 255, 255, 70))
        shine.poly([(x + 22, 0), (x + 27, 0), (x + 7, h), (x + 2, h)], fill=(255, 255, 255, 50))
        im = still.copy()
        im.alpha_composite(shine.result())
        frames.append(im)
        durations.append(60)
    return Out(frames, durations, loop=True, opaque=True)


# -- smileys: round faces and small pictograms, all on the 32-unit grid

def s_good(c):
    skin, edge = (255, 206, 84), (190, 130, 20)
    c.rect(3, 15, 9, 29, fill=SKY, outline=darker(SKY, 0.3), width=1.2, r=1.5)
    c.rect(8, 14, 26, 29, fill=skin, outline=edge, width=1.4, r=4)
    c.rect(11, 2.5, 18, 17, fill=skin, outline=edge, width=1.4, r=3.5)
    c.rect(11.8, 13, 17.2, 16, fill=skin)
    for y in (18.5, 22, 25.5):
        c.line([(20, y), (25, y)], edge, 1.2)


def s_party(c):
    g_face(c)
    g_eyes(c, y=15)
    g_smile(c, y=21, w=6.5, depth=4)
    c.poly([(4.5, 10), (17.5, 4), (6.5, 0.8)], fill=(170, 90, 230), outline=(100, 40, 150), width=1)
    c.line([(8, 8.5), (12, 2.5)], GOLD, 1.4)
    c.ellipse(6.5, 1.6, 2.0, fill=GOLD)
    for (x, y), col in zip(((27, 5), (29, 13), (3, 21), (24, 29)), (RED, GREEN, SKY, GOLD)):
        c.rect(x - 1.3, y - 1.3, x + 1.3, y + 1.3, fill=col)


def s_lightning(c):
    c.poly([(19, 1.5), (6, 18), (14.5, 18), (11, 30.5), (26, 12.5), (17.5, 12.5), (22, 1.5)],
           fill=(255, 214, 40), outline=(200, 120, 0), width=1.4)


def s_cloud(c, col=(150, 158, 172)):
    for x, y, r in ((10, 15, 6), (17, 11, 7.5), (24, 15, 6)):
        c.ellipse(x, y, r, fill=darker(col, 0.2))
    c.rect(4, 14, 30, 21, fill=darker(col, 0.2), r=3.5)
    for x, y, r in ((10, 15, 5), (17, 11, 6.5), (24, 15, 5)):
        c.ellipse(x, y, r, fill=col)
    c.rect(5, 14, 29, 20, fill=col, r=3)


def s_stormy(c):
    s_cloud(c)
    c.poly([(16, 19), (11, 26), (15, 26), (13, 31.5), (20, 23.5), (16, 23.5), (18.5, 19)], fill=(255, 210, 40),
           outline=(190, 120, 0), width=0.8)
    c.line([(8, 23), (6.5, 27)], SKY, 1.8)
    c.line([(25, 23), (23.5, 27)], SKY, 1.8)


def s_smile(c):
    g_face(c)
    g_eyes(c)
    g_smile(c, y=19.5, w=7, depth=3.5)


def s_umbrella(c):
    c.line([(16, 5), (16, 25)], (90, 80, 70), 2.0)
    c.arc(13, 25, 3, 0, 180, (90, 80, 70), 2.0)
    c.chord(16, 16, 14, 180, 360, (220, 60, 70), ry=13)
    for x in (9, 16, 23):
        c.ellipse(x + 3.5, 16, 3.6, 2.4, fill=TRANSPARENT, replace=True)
    c.line([(16, 3), (16, 5)], (90, 80, 70), 2.0)
    c.line([(16, 4), (9, 15.5)], (170, 40, 50), 1.0)
    c.line([(16, 4), (23, 15.5)], (170, 40, 50), 1.0)


def s_tongue(c):
    g_face(c)
    c.line([(9, 12.5), (13, 12.5)], FACE_INK, 2.0)
    c.ellipse(21, 12.5, 2.0, 2.8, fill=FACE_INK)
    c.line([(9, 19), (23, 19)], FACE_INK, 2.0)
    c.ellipse(17.5, 22.5, 4, 4.6, fill=(236, 90, 110))
    c.line([(17.5, 20), (17.5, 24.5)], (180, 50, 70), 1.0)
    c.line([(9, 19), (23, 19)], FACE_INK, 2.0)


def s_hot(c):
    g_face(c, base=(255, 190, 60))
    c.rect(6, 10, 14.5, 15.5, fill=(30, 34, 44), r=2.5)
    c.rect(17.5, 10, 26, 15.5, fill=(30, 34, 44), r=2.5)
    c.line([(13, 11), (19, 11)], (30, 34, 44), 1.6)
    c.line([(3, 11), (6.5, 11)], (30, 34, 44), 1.4)
    c.line([(25.5, 11), (29, 11)], (30, 34, 44), 1.4)
    c.ellipse(8.5, 11.8, 1.6, 1.0, fill=(255, 255, 255, 150))
    c.ellipse(20, 11.8, 1.6, 1.0, fill=(255, 255, 255, 150))
    g_smile(c, y=19.5, w=7.5, depth=4.5)


def s_surprised(c):
    g_face(c)
    c.ellipse(10.5, 12, 3, fill=WHITE, outline=FACE_INK, width=1.2)
    c.ellipse(21.5, 12, 3, fill=WHITE, outline=FACE_INK, width=1.2)
    c.ellipse(10.5, 12, 1.4, fill=FACE_INK)
    c.ellipse(21.5, 12, 1.4, fill=FACE_INK)
    c.ellipse(16, 22, 3.6, 4.4, fill=(120, 40, 30))


def s_confused(c):
    g_face(c)
    g_eyes(c, y=13)
    c.line([(7.5, 7.5), (12.5, 6)], FACE_INK, 1.6)
    c.line([(19.5, 8), (24.5, 9)], FACE_INK, 1.6)
    c.line([(9, 22), (12, 20), (15, 22.5), (18.5, 20), (22.5, 22)], FACE_INK, 1.8)


def s_embarrassed(c):
    g_face(c)
    c.ellipse(8.5, 18.5, 3.6, 2.4, fill=(240, 110, 110, 170))
    c.ellipse(23.5, 18.5, 3.6, 2.4, fill=(240, 110, 110, 170))
    c.arc(10.5, 13, 3, 200, 340, FACE_INK, 1.8)
    c.arc(21.5, 13, 3, 200, 340, FACE_INK, 1.8)
    c.arc(16, 21, 3.5, 20, 160, FACE_INK, 1.8, ry=2.5)


def s_angry(c):
    g_face(c, base=(240, 100, 70), rim=(160, 40, 20))
    c.line([(6.5, 8), (13.5, 11.5)], (70, 20, 10), 2.2)
    c.line([(25.5, 8), (18.5, 11.5)], (70, 20, 10), 2.2)
    c.ellipse(10.5, 14, 1.8, 2.2, fill=(70, 20, 10))
    c.ellipse(21.5, 14, 1.8, 2.2, fill=(70, 20, 10))
    g_frown(c, y=20, w=6, col=(70, 20, 10))


def s_sick(c):
    g_face(c, base=(170, 214, 110), rim=(90, 140, 40))
    c.line([(8, 12.5), (13, 12.5)], (40, 70, 20), 1.8)
    c.line([(19, 12.5), (24, 12.5)], (40, 70, 20), 1.8)
    c.line([(10, 21), (13, 19.5), (16, 21), (19, 19.5), (22, 21)], (40, 70, 20), 1.8)
    c.line([(20, 25), (29, 19)], WHITE, 3.2)
    c.line([(20, 25), (29, 19)], (180, 190, 200), 0.8)
    c.ellipse(20, 25, 1.8, fill=RED)


def s_secret(c):
    g_face(c)
    c.ellipse(10.5, 12.5, 1.7, 2.3, fill=FACE_INK)
    c.line([(19, 12.5), (24, 11.5)], FACE_INK, 1.8)
    c.line([(9, 21), (13.5, 21)], FACE_INK, 1.8)
    skin = (250, 196, 120)
    c.rect(14.5, 13.5, 19, 27, fill=skin, outline=(180, 120, 50), width=1.1, r=2.2)
    c.rect(17, 20, 25, 28.5, fill=skin, outline=(180, 120, 50), width=1.1, r=3)


def s_crying(c):
    g_face(c)
    c.arc(10.5, 12.5, 2.8, 200, 340, FACE_INK, 1.8)
    c.arc(21.5, 12.5, 2.8, 200, 340, FACE_INK, 1.8)
    c.rect(8.5, 13, 12.5, 27, fill=(90, 170, 245), r=2)
    c.rect(19.5, 13, 23.5, 27, fill=(90, 170, 245), r=2)
    c.ellipse(16, 22, 3.2, 2.4, fill=(120, 40, 30))


def s_sad(c):
    g_face(c)
    g_eyes(c, y=13)
    g_frown(c, y=20)


def s_sleepy(c):
    g_face(c)
    c.arc(10.5, 12, 3, 20, 160, FACE_INK, 1.8)
    c.arc(21.5, 12, 3, 20, 160, FACE_INK, 1.8)
    c.ellipse(16, 22, 2.4, 2.0, fill=(120, 40, 30))
    c.text(25, 7, 'z', 8, SKY)
    c.text(29, 3.5, 'z', 6, SKY)


def s_disappointed(c):
    g_face(c)
    c.line([(7.5, 12), (13, 13.5)], FACE_INK, 1.8)
    c.line([(24.5, 12), (19, 13.5)], FACE_INK, 1.8)
    c.line([(11, 22.5), (21, 21)], FACE_INK, 1.9)
    c.ellipse(26, 9, 1.8, 2.6, fill=(110, 190, 250))


def s_grin(c):
    g_face(c)
    g_eyes(c, y=11.5)
    c.chord(16, 17, 9.5, 0, 180, (120, 40, 30), ry=8)
    c.rect(7, 17, 25, 20.5, fill=WHITE)
    c.arc(16, 17, 9.5, 0, 180, FACE_INK, 1.4, ry=8)
    c.line([(6.6, 17), (25.4, 17)], FACE_INK, 1.4)


def s_nerd(c):
    g_face(c)
    for x in (10.5, 21.5):
        c.ellipse(x, 13, 4.6, fill=(255, 255, 255, 200), outline=(40, 40, 50), width=1.6)
        c.ellipse(x, 13.5, 1.6, fill=FACE_INK)
    c.line([(15, 12.5), (17, 12.5)], (40, 40, 50), 1.6)
    g_smile(c, y=21, w=6, depth=3)
    c.rect(14, 22.2, 18, 25.5, fill=WHITE, outline=FACE_INK, width=0.8)


def s_dog(c):
    fur, dark = (200, 150, 96), (120, 80, 40)
    c.ellipse(6, 14, 5, 9, fill=dark)
    c.ellipse(26, 14, 5, 9, fill=dark)
    c.ellipse(16, 17, 11.5, 12.5, fill=fur)
    c.ellipse(16, 23, 6.5, 5, fill=(240, 220, 190))
    c.ellipse(11.5, 14, 1.8, 2.4, fill=(40, 25, 15))
    c.ellipse(20.5, 14, 1.8, 2.4, fill=(40, 25, 15))
    c.ellipse(16, 20.5, 2.8, 2.0, fill=(40, 25, 15))
    c.line([(16, 22), (16, 24.5)], (40, 25, 15), 1.2)
    c.arc(16, 24.5, 3, 20, 160, (40, 25, 15), 1.2)


def s_coffee(c):
    cup = (250, 250, 250)
    for x in (11, 17):
        c.line([(x, 9), (x + 2, 6), (x, 3)], (160, 170, 185), 1.5)
    c.arc(24, 19.5, 4.5, 270, 450, (150, 160, 176), 2.2)
    c.poly([(5, 12), (26, 12), (24, 26), (7, 26)], fill=cup, outline=(150, 160, 176), width=1.4)
    c.rect(6, 12, 25, 15, fill=(120, 70, 40))
    c.ellipse(15.5, 28, 13, 2.2, fill=(200, 208, 220))


def s_clock(c):
    g_clock(c, 16, 16, 14, face=WHITE, rim=(40, 110, 190), hand=(40, 50, 70), width=2.4)
    c.ellipse(16, 16, 1.6, fill=RED)


def s_island(c):
    c.rect(0.5, 21, 31.5, 31.5, fill=(70, 160, 230), r=3)
    c.chord(16, 24, 11, 180, 360, (240, 214, 140), ry=5)
    c.line([(16, 21), (17.5, 14), (18, 8)], (140, 96, 50), 2.2)
    for dx, dy in ((-8, 2), (-5, -3), (7, -2), (8, 3)):
        c.line([(18, 8), (18 + dx * 0.5, 8 + dy * 0.5 - 1.5), (18 + dx, 8 + dy)], (50, 150, 60), 2.2)
    c.ellipse(6, 6, 3.2, fill=(255, 200, 40))


def s_heart(c):
    col = (226, 52, 72)
    c.ellipse(10.5, 12, 7, fill=col)
    c.ellipse(21.5, 12, 7, fill=col)
    c.poly([(3.8, 14.5), (28.2, 14.5), (16, 28.5)], fill=col)
    c.ellipse(9, 10, 2.5, 1.6, fill=(255, 255, 255, 150))


def s_cake(c):
    c.rect(4, 17, 28, 29, fill=(250, 226, 196), outline=(170, 110, 60), width=1.3, r=2)
    c.rect(4, 17, 28, 21, fill=(240, 120, 160), r=2)
    for x in (6.5, 11, 15.5, 20, 24.5):
        c.ellipse(x + 1, 21.5, 1.7, fill=(240, 120, 160))
    c.rect(4, 25, 28, 26.2, fill=(240, 120, 160))
    for x in (10, 16, 22):
        c.rect(x - 1, 9, x + 1, 17, fill=(80, 150, 230))
        c.ellipse(x, 6.5, 1.5, 2.4, fill=(255, 170, 30))


def s_rose(c):
    c.line([(16, 17), (15, 30)], (50, 140, 60), 2.0)
    c.ellipse(11, 24, 3.5, 1.8, fill=(60, 160, 70))
    c.ellipse(20, 21, 3.5, 1.8, fill=(60, 160, 70))
    c.ellipse(16, 11, 8, 7.5, fill=(200, 30, 50))
    c.ellipse(13, 12, 4.5, 4.5, fill=(225, 50, 70))
    c.ellipse(19, 12, 4.5, 4.5, fill=(225, 50, 70))
    c.arc(16, 10, 3.5, 180, 450, (150, 10, 30), 1.4)


def s_moon(c):
    c.ellipse(14, 16, 13, fill=(255, 220, 90))
    c.ellipse(20, 12, 11, fill=TRANSPARENT, replace=True)
    c.arc(8.5, 16, 2.4, 20, 160, (150, 110, 20), 1.4)
    c.text(25, 20, 'Z', 9, (90, 120, 200))
    c.text(29, 26.5, 'z', 6.5, (90, 120, 200))


def s_note(c):
    col = (50, 70, 130)
    c.ellipse(9, 25, 5, 3.8, fill=col)
    c.ellipse(23, 22, 5, 3.8, fill=col)
    c.line([(13.5, 25), (13.5, 6)], col, 2.2, cap=False)
    c.line([(27.5, 22), (27.5, 3)], col, 2.2, cap=False)
    c.poly([(12.4, 5.5), (28.6, 2.5), (28.6, 7.5), (12.4, 10.5)], fill=col)


SMILEYS = {
    'Good': s_good, 'Party': s_party, 'Lightning': s_lightning, 'Stormycloud': s_stormy, 'Smile': s_smile,
    'Umbrella': s_umbrella, 'StickingOutTongue': s_tongue, 'Hot': s_hot, 'Surprised': s_surprised,
    'Confused': s_confused, 'embarrassed': s_embarrassed, 'Angry': s_angry, 'Sick': s_sick,
    'Secrettelling': s_secret, 'crying': s_crying, 'Sad': s_sad, 'sleepy': s_sleepy,
    'Disappointed': s_disappointed, 'Grin': s_grin, 'Nerd': s_nerd, 'DogFace': s_dog, 'Coffeeup': s_coffee,
    'Clock': s_clock, 'Island': s_island, 'heart': s_heart, 'Birthdaycake': s_cake, 'Rose': s_rose,
    'SleepingMoon': s_moon, 'Note': s_note,
}


@draws(*['Smileys/%s.png' % k for k in SMILEYS])
def d_smiley(row):
    key = row['name'][len('Smileys/'):-4]
    return icon(row['width'], row['height'], SMILEYS[key])


# ---------------------------------------------------------------- data files

# Scroll-bar handles and line buttons share one gradient; header sections and
# combo/spin faces have theirs.
GRAD_SCROLL = ('qconicalgradient(cx:0.488, cy:0.527711, angle:0, stop:0.0518207 rgba(231, 245, 247, 255), '
               'stop:0.238095 rgba(241, 242, 247, 130), stop:0.24037 rgba(254, 255, 247, 69), '
               'stop:0.374422 rgba(210, 241, 247, 145), stop:0.451613 rgba(210, 241, 247, 208), '
               'stop:0.513324 rgba(210, 241, 247, 130), stop:0.650771 rgba(170, 255, 255, 130), '
               'stop:0.719495 rgba(170, 255, 255, 69))')
GRAD_HEADER = ('qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #616161, stop: 0.5 #505050, '
               'stop: 0.6 #434343, stop:1 #656565)')
GRAD_FACE = ('qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #E1E1E1, stop: 0.4 #DDDDDD, '
             'stop: 0.5 #D8D8D8, stop: 1.0 #D3D3D3)')
BLUE_GLOW = 'qconicalgradient(x1: 0, y1: 0, x2: 0.5, y2: 0.5, stop: 0 #1891D0, stop: 1 white)'

STYLE_RULES = [
    ('QTreeView::branch:has-siblings:!adjoins-item',
     ['border-image: url(:images/vline.png) 0;']),
    ('QTreeView::branch:has-siblings:adjoins-item',
     ['border-image: url(:images/branch-more.png) 0;']),
    ('QTreeView::branch:!has-children:!has-siblings:adjoins-item',
     ['border-image: url(:images/branch-end.png) 0;']),
    ('QTreeView::branch:has-children:!has-siblings:closed,\nQTreeView::branch:closed:has-children:has-siblings',
     ['border-image: none;', 'image: url(:images/branch-closed.png);']),
    ('QTreeView::branch:open:has-children:!has-siblings,\nQTreeView::branch:open:has-children:has-siblings',
     ['border-image: none;', 'image: url(:images/branch-open.png);']),
    ('QHeaderView::section',
     ['background-color: ' + GRAD_HEADER + ';', 'color: white;', 'padding-left: 4px;',
      'border: 1px solid #6c6c6c;']),
    ('QHeaderView::down-arrow', ['image: url(:images/down_arrow.gif);']),
    ('QHeaderView::up-arrow', ['image: url(:images/up_arrow.gif);']),
    ('QTableView QTableCornerButton::section', ['background: ' + GRAD_HEADER + ';']),
    ('QGroupBox',
     ['background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #E0E0E0, stop: 1 #FFFFFF);',
      'border: 2px solid gray;', 'border-radius: 5px;', 'margin-top: 1ex;']),
    ('QGroupBox::title',
     ['subcontrol-origin: margin;', 'subcontrol-position: top center;',
      'background-color: qlineargradient(x1: 0, y1: 0, x2: 0.5, y2: 0.5, stop: 0 #1891D0, stop: 1 white);']),
    ('QComboBox', ['border: 1px solid gray;', 'border-radius: 3px;', 'padding: 1px 18px 1px 3px;']),
    ('QComboBox:!editable, QComboBox::drop-down:editable', ['background: ' + GRAD_FACE + ';']),
    ('QComboBox:!editable:on, QComboBox::drop-down:editable:on',
     ['background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #D3D3D3, stop: 0.4 #D8D8D8, '
      'stop: 0.5 #DDDDDD, stop: 1.0 #E1E1E1);']),
    ('QComboBox::down-arrow', ['image: url(:images/combo-open.png);']),
    ('QComboBox QAbstractItemView', ['border: 2px solid darkgray;', 'selection-background-color: lightgray;']),
    ('QLineEdit', ['border: 1px solid gray;', 'border-radius: 3px;']),
    ('QLineEdit:disabled', ['background: beige;']),
    ('QLineEdit:read-only', ['background: ghostwhite;']),
    ('QTextEdit', ['border: 1px solid gray;', 'border-radius: 5px;', 'padding: 1px 1px;']),
    ('QListWidget', ['border: 1px solid gray;', 'border-radius: 5px;', 'padding: 1px 1px;']),
    ('QMenu', ['background-color: ' + BLUE_GLOW + ';', 'padding: 1px;', 'border: 1px solid gray;']),
    ('QMenu::item:selected',
     ['padding: 2px 25px 2px 25px;',
      'background-color: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 1, stop: 0 white, stop: 1 #FFE87C);',
      'border: 1px solid black;']),
    ('QMenu::icon:checked',
     ['background: gray;', 'border: 1px inset gray;', 'position: absolute;', 'top: 1px;', 'right: 1px;',
      'bottom: 1px;', 'left: 1px;']),
    ('*', ['gridline-color: gray']),
    ('QScrollBar:vertical',
     ['border: 1px inset gray;', 'background: white;', 'width: 15px;', 'margin: 20px 0px 20px 0px;']),
    ('QScrollBar::handle:vertical',
     ['border: 1px inset gray;', 'border-radius: 5px;', 'background-color: ' + GRAD_SCROLL + ';',
      'min-height: 10px;']),
    ('QScrollBar::sub-line:vertical',
     ['border: 1px inset gray;', 'background-color: ' + GRAD_SCROLL + ';', 'height: 20px;',
      'subcontrol-position: down;', 'subcontrol-origin: margin;']),
    ('QScrollBar::add-line:vertical',
     ['border: 1px inset gray;', 'background-color: ' + GRAD_SCROLL + ';', 'height: 20px;',
      'subcontrol-origin: margin;']),
    ('QScrollBar::up-arrow:vertical', ['image: url(:images/ArrowUp.gif);']),
    ('QScrollBar::down-arrow:vertical', ['image: url(:images/ArrowDown.gif);']),
    ('QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical', ['background: none;']),
    ('QScrollBar:horizontal',
     ['border: 1px inset gray;', 'background: white;', 'height: 15px;', 'margin: 0px 20px 0 20px;']),
    ('QScrollBar::handle:horizontal',
     ['border: 1px inset gray;', 'border-radius: 5px;', 'background-color: ' + GRAD_SCROLL + ';',
      'min-width: 20px;']),
    ('QScrollBar::add-line:horizontal',
     ['border: 1px inset gray;', 'background-color: ' + GRAD_SCROLL + ';', 'width: 20px;',
      'subcontrol-position: right;', 'subcontrol-origin: margin;']),
    ('QScrollBar::sub-line:horizontal',
     ['border: 1px inset gray;', 'background-color: ' + GRAD_SCROLL + ';', 'width: 20px;',
      'subcontrol-position: left;', 'subcontrol-origin: margin;']),
    ('QScrollBar::left-arrow:horizontal', ['image: url(:images/ArrowLeft.gif);']),
    ('QScrollBar::right-arrow:horizontal', ['image: url(:images/ArrowRight.gif);']),
    ('QScrollBar::add-page:horizontal, QScrollBar::sub-page:horizontal', ['background: none;']),
    ('QSpinBox ,QDateTimeEdit',
     ['border: 1px solid gray;', 'border-radius: 3px;', 'padding: 1px 18px 1px 1px;',
      'background: ' + GRAD_FACE + ';']),
    ('QSpinBox::up-button,QDateTimeEdit::up-button',
     ['subcontrol-origin: border;', 'subcontrol-position: top right;', 'width: 16px;',
      'image: url(:images/combo-close.png) 1;', 'border-width: 1px;']),
    ('QSpinBox::up-button:hover,QDateTimeEdit::up-button:hover', ['image: url(:images/combo-close.png)1;']),
    ('QSpinBox::up-button:pressed,QDateTimeEdit::up-button:pressed', ['image: url(:images/combo-close.png)1;']),
    ('QSpinBox::up-arrow,QDateTimeEdit::up-arrow',
     ['image: url(:images/combo-close.png);', 'width: 3px;', 'height: 3px;']),
    ('QSpinBox::up-arrow:disabled, QSpinBox::up-arrow:off,QDateTimeEdit::up-arrow:disabled, '
     'QDateTimeEdit::up-arrow:off', ['image: url(:images/combo-closeDisable.png);']),
    ('QSpinBox::down-button, QDateTimeEdit::down-button',
     ['subcontrol-origin: border;', 'subcontrol-position: bottom right;', 'width: 16px;',
      'image: url(:images/combo-open.png);', 'border-width: 1px;', 'border-top-width: 0;']),
    ('QSpinBox::down-button:hover,QDateTimeEdit::down-button:hover', ['image: url(:images/combo-open.png) 1;']),
    ('QSpinBox::down-button:pressed,QDateTimeEdit::down-button:pressed',
     ['image: url(:images/combo-open.png) 1;']),
    ('QSpinBox::down-arrow,QDateTimeEdit::down-arrow',
     ['image: url(:images/combo-open.png);', 'width: 3px;', 'height: 3px;']),
    ('QSpinBox::down-arrow:disabled, QSpinBox::down-arrow:off,QDateTimeEdit::down-arrow:disabled, '
     'QDateTimeEdit::down-arrow:off', ['image: url(:images/combo-openDisable.png);']),
    ('QGraphicsView', ['border: 1px solid gray;', 'border-radius: 5px;', 'padding: 1px 1px;']),
    ('QTabWidget::pane', ['border-top: 1px solid #C2C7CB;', 'position: absolute;', 'top: -0.5em;']),
    ('QTabWidget::tab-bar', ['alignment: center;']),
    ('QTabBar::tab',
     ['background: qradialgradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #E1E1E1, stop: 0.4 #DDDDDD, '
      'stop: 0.5 #D8D8D8, stop: 1.0 #D3D3D3);',
      'border: 1px solid #C4C4C3;', 'border-bottom-color: #C2C7CB;', 'border-top-left-radius: 4px;',
      'border-top-right-radius: 4px;', 'min-width: 8ex;', 'padding: 2px;']),
    ('QTabBar::tab:selected', ['background-color: ' + BLUE_GLOW + ';']),
    ('QTabBar::tab:hover',
     ['background-color: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 1, stop: 0 #FFE87C, stop: 1 white);']),
    ('QTabBar::tab:selected', ['border-color: #9B9B9B;', 'border-bottom-color: #C2C7CB;']),
]


def style_sheet():
    parts = []
    for selector, decls in STYLE_RULES:
        parts.append(selector + '\n{\n' + ''.join('    ' + d + '\n' for d in decls) + '}\n')
    return '\n'.join(parts)


COUNTRIES = [
    'Afghanistan', 'Albania', 'Algeria', 'American Samoa', 'Andorra', 'Angola', 'Anguilla',
    'Antigua and Barbuda', 'Antilles', 'Argentina', 'Armenia', 'Australia', 'Austria', 'Azerbaijan', 'Azores',
    'The Bahamas', 'Bahrain', 'Balearic Islands', 'Bangladesh', 'Barbados', 'Belarus', 'Belau', 'Belgium',
    'Belize', 'Benin', 'Bermuda', 'Bhutan', 'Bolivia', 'Bosnia-Herzegovina', 'Botswana', 'Brazil',
    'British Virgin Islands', 'Brunei', 'Bulgaria', 'Burkina Faso', 'Burundi', 'Cambodia', 'Cameroon',
    'Canada', 'Cape Verde', 'Cayman Islands', 'Central African Republic', 'Chad', 'Chile', 'China',
    'Columbia', 'Comoros', 'Congo', 'Costa Rica', 'Cote DIvoire', 'Croatia', 'Cuba', 'Cyprus',
    'Czech Republic', 'Denmark', 'Djibouti', 'Dominica', 'Dominican Republic', 'Eador', 'Egypt',
    'El Salvador', 'Equatorial Guinea', 'Estonia', 'Ethiopia', 'Fiji', 'Finland', 'France', 'Gabon',
    'The Gambia', 'Georgia', 'Germany', 'Ghana', 'Greece', 'Grenada', 'Guatemala', 'Guinea', 'Guinea Bissau',
    'Guyana', 'Haiti', 'Honduras', 'HongKong', 'Hungary', 'Iceland', 'India', 'Indonesia', 'Iran', 'Iraq',
    'Ireland', 'Israel', 'Italy', 'Jamaica', 'Japan', 'Jordan', 'Kazakhstan', 'Kenya', 'Kiribati', 'Kuwait',
    'Kyrgyzstan', 'Laos', 'Latvia', 'Lebanon', 'Lesotho', 'Liberia', 'Libya', 'Lichtenstein', 'Lithuania',
    'Luxembourg', 'Macedonia', 'Madagascar', 'Malawi', 'Malaysia', 'Maldives', 'Mali', 'Malta', 'Mauritiana',
    'Mauritius', 'Mexico', 'Moldavo', 'Monaco', 'Mongolia', 'Montserrat', 'Morocco', 'Mozambique', 'Myanmar',
    'Namibia', 'Nepal', 'The Netherlands', 'New Zealand', 'Nicaragua', 'Niger', 'Nigeria', 'North Korea',
    'Norway', 'Oman', 'Pakistan', 'Panama', 'Papua New Guinea', 'Paraguay', 'Peru', 'The Philippines',
    'Poland', 'Portugal', 'Puerto Rico', 'Macao', 'Quatar', 'Romania', 'Russia', 'Rwanda',
    'St. Kitts and Nevis', 'Saint Lucia', 'Saint Vincent', 'Saudi Arabia', 'Senegal', 'Sierra Leone',
    'Singapore', 'Slovak Republic', 'Slovenia', 'Solomon Island', 'Somalia', 'South Africa', 'South Korea',
    'Spain', 'Sri Lanka', 'Sudan', 'Surinam', 'Swaziland', 'Sweden', 'Switzerland', 'Syria', 'Taiwan',
    'Tajikastan', 'Tanzania', 'Thailand', 'Togo', 'Tonga', 'Trinidad and Tobago', 'Tunisia', 'Turkey',
    'Turkmenistan', 'Uganda', 'UK', 'Ukraine', 'UAE', 'Uruguay', 'USA', 'US Virgin Islands', 'Uzbekistan',
    'Venezuela', 'Vietnam', 'Yemen', 'Yugoslavia', 'Zaire', 'Zambia', 'Zimbabwe',
]

TIME_ZONES = [
    'GMT-12:00', 'GMT-11:00', 'GMT-10:00', 'GMT-09:00', 'GMT-08:00', 'GMT-07:00', 'GMT-06:00', 'GMT-05:00',
    'GMT-04:00', 'GMT-04:30', 'GMT-03:00', 'GMT-03:30', 'GMT-02:00', 'GMT-01:00', 'GMT', 'GMT+01:00',
    'GMT+02:00', 'GMT+03:00', 'GMT+03:30', 'GMT+04:00', 'GMT+04:30', 'GMT+05:00', 'GMT+05:30', 'GMT+05:45',
    'GMT+06:00', 'GMT+06:30', 'GMT+07:00', 'GMT+08:00', 'GMT+09:00', 'GMT+09:30', 'GMT+10:00', 'GMT+11:00',
    'GMT+12:00', 'GMT+13:00',
]

DATA_FILES = {
    'stylesheet.qss': lambda: style_sheet().encode('latin-1'),
    # one line, single commas, no trailing separator or line break: the readers split on ','
    'countries.txt': lambda: ','.join(COUNTRIES).encode('latin-1'),
    'timeZone.txt': lambda: ','.join(TIME_ZONES).encode('latin-1'),
}


# ---------------------------------------------------------------- writing

def save_gif(path, out):
    frames = out.frames
    matte = out.matte or GIF_MATTE
    masks = [f.getchannel('A').point(lambda a: 255 if a >= 128 else 0) for f in frames]
    holes = not out.opaque and any(m.getextrema()[0] == 0 for m in masks)
    flat = [flatten(f, matte) for f in frames]
    colours = 255 if holes else 256
    sheet = Image.new('RGB', (max(f.width for f in flat), sum(f.height for f in flat)))
    y = 0
    for f in flat:
        sheet.paste(f, (0, y))
        y += f.height
    pal = sheet.quantize(colors=colours, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    entries = pal.getpalette()[:colours * 3]
    entries += [255, 0, 254] * (256 - len(entries) // 3)   # spare slots, the last one is the hole
    pal.putpalette(entries)
    pics = []
    for f, m in zip(flat, masks):
        p = f.quantize(palette=pal, dither=Image.Dither.NONE)
        if holes:
            p.paste(255, (0, 0, f.width, f.height), ImageChops.invert(m))
        pics.append(p)
    kw = dict(optimize=False)
    if holes:
        kw['transparency'] = 255
    if len(pics) > 1:
        kw.update(save_all=True, append_images=pics[1:], duration=out.durations, disposal=2)
        if out.loop:
            kw['loop'] = 0   # without it no NETSCAPE block is written and the movie plays once
    pics[0].save(path, **kw)


def save(path, result):
    out = result if isinstance(result, Out) else Out(result)
    ext = os.path.splitext(path)[1].lower()
    os.makedirs(os.path.dirname(path), exist_ok=True)
    if ext == '.gif':
        save_gif(path, out)
        return
    im = out.frames[0]
    if ext in ('.jpg', '.bmp'):
        rgb = im if im.mode == 'RGB' else flatten(im, out.matte or BASE)
        if ext == '.jpg':
            rgb.save(path, quality=95, subsampling=0, optimize=True)
        else:
            rgb.save(path)
        return
    if im.mode == 'RGBA' and im.getchannel('A').getextrema() == (255, 255) and not path.endswith('transparent.png'):
        im = im.convert('RGB')
    im.save(path, optimize=True)


def write_qrc(out_dir, rows):
    names = [r['name'] for r in rows if r['location'] == 'resource' and r['kind'] != 'absent']
    lines = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '<qresource prefix="/images">']
    lines += ['    <file>%s</file>' % n for n in names]
    lines += ['</qresource>', '</RCC>', '']
    with open(os.path.join(out_dir, 'images.qrc'), 'w', encoding='utf-8') as f:
        f.write('\n'.join(lines))


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument('--table', help='tab-separated table of images (default: the table in this script)')
    ap.add_argument('--out', default=DEFAULT_OUT, help='output folder (default: images/ of the repository)')
    ap.add_argument('--only', nargs='*', help='draw only these names')
    args = ap.parse_args(argv)
    rows = read_tsv(args.table) if args.table else parse_table()
    missing = []
    for row in rows:
        if args.only and row['name'] not in args.only:
            continue
        path = out_path(args.out, row)
        if row['kind'] == 'absent':
            if os.path.exists(path):
                os.remove(path)
            continue
        if row['kind'] == 'data':
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, 'wb') as f:
                f.write(DATA_FILES[row['name']]())
            continue
        fn = DRAWERS.get(row['name'])
        if fn is None:
            missing.append(row['name'])
            continue
        save(path, fn(row))
    if not args.only:
        write_qrc(args.out, rows)
    if missing:
        print('no drawer for: ' + ', '.join(missing), file=sys.stderr)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
