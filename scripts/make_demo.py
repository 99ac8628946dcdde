#!/usr/bin/env python3
"""Builds the demo menu project in examples/demo.

Everything in the demo is drawn here: the three menu pictures (normal, mouse
over, pressed), the help texts, three short sounds and launcher.ini. Shapes are
drawn in plain Python into 24-bit BMP files; ImageMagick's `convert` then
writes the labels (with a DejaVu font when one is installed) and makes the
two JPEG files and the over picture, an 8-bit run-length BMP. The generated files are committed, so nothing needs this script
to run the editor; run it again after changing the layout:

    python3 scripts/make_demo.py [output folder]
"""

import math
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile
import wave

WIDTH, HEIGHT = 640, 460
CHAMFER = 20  # the window outline cuts this much off every corner
FRAME = 4
TEXT_BACKGROUND = (10, 26, 64)
FONT_FOLDER = "/usr/share/fonts/truetype/dejavu"

# The window outline, as the player's custom shape and as the picture's frame.
OUTLINE = [(CHAMFER, 0), (WIDTH - CHAMFER, 0), (WIDTH, CHAMFER), (WIDTH, HEIGHT - CHAMFER),
           (WIDTH - CHAMFER, HEIGHT), (CHAMFER, HEIGHT), (0, HEIGHT - CHAMFER), (0, CHAMFER)]

# Text area of the player (left, top, width, height) and the panel drawn around it.
TEXT_AREA = (330, 122, 260, 250)
TEXT_PANEL = (322, 114, 598, 380)

# The buttons in order of their top edge, as a save with sorting writes them.
BUTTONS = [
    dict(name="Install", label="Install", icon="install", rect=(40, 116, 250, 40), action="RUN&CLOSE",
         params="setup.exe", info="help\\install.rtf"),
    dict(name="Read me", label="Read me", icon="document", rect=(40, 166, 250, 40), action="RUN",
         params="readme.txt", info="help\\readme.rtf", verb="Open"),
    dict(name="Web site", label="Web site", icon="globe", rect=(40, 216, 250, 40), action="WINEXEC",
         params="http://www.example.com/", info="help\\website.rtf"),
    dict(name="E-mail", label="Write to us", icon="envelope", rect=(40, 266, 250, 40), action="WINEXEC",
         params="mailto:info@example.com", info="help\\email.rtf"),
    dict(name="Eject", label="Eject disc", icon="eject", rect=(40, 316, 250, 40), action="EJECT",
         info="help\\eject.rtf"),
    dict(name="About", label="About", icon="about", rect=(40, 366, 250, 40), action="NONE",
         info="help\\about.rtf"),
    dict(name="Minimize", icon="minimize", rect=(452, 398, 70, 34), action="MINIMIZE",
         info="help\\minimize.rtf"),
    dict(name="Exit", icon="exit", rect=(532, 398, 70, 34), action="CLOSE", info="help\\exit.rtf",
         sound_click="sounds\\bye.wav"),
]

# Plate looks per picture: fill from top to bottom, border, icon and label colour.
STATES = {
    "normal": dict(top=(58, 94, 160), bottom=(24, 46, 100), border=(120, 160, 225), ink=(225, 233, 246),
                   gloss=0.10, shift=0),
    "over": dict(top=(80, 150, 230), bottom=(28, 84, 170), border=(255, 212, 96), ink=(255, 226, 120),
                 gloss=0.16, shift=0),
    "click": dict(top=(16, 30, 70), bottom=(36, 62, 124), border=(88, 118, 178), ink=(176, 192, 220),
                  gloss=0.0, shift=1, shadow=0.45),
}


# --- a small anti-aliased canvas ------------------------------------------

class Canvas:
    """RGB pixels with shape filling by coverage; shapes are inside(x, y) tests."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = bytearray(width * height * 3)

    def copy(self):
        other = Canvas(self.width, self.height)
        other.pixels[:] = self.pixels
        return other

    def get(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.pixels[i:i + 3])

    def put(self, x, y, colour):
        i = (y * self.width + x) * 3
        self.pixels[i:i + 3] = bytes(max(0, min(255, int(round(c)))) for c in colour)

    def blend(self, x, y, colour, alpha):
        if alpha >= 1.0:
            self.put(x, y, colour)
        elif alpha > 0.0:
            old = self.get(x, y)
            self.put(x, y, [o + (c - o) * alpha for o, c in zip(old, colour)])

    def fill(self, inside, box, paint, alpha=1.0):
        """Fills the shape within box (x0, y0, x1, y1); paint(x, y) gives the colour."""
        x0, y0, x1, y1 = (max(0, int(box[0])), max(0, int(box[1])),
                          min(self.width, int(math.ceil(box[2]))), min(self.height, int(math.ceil(box[3]))))
        for y in range(y0, y1):
            for x in range(x0, x1):
                coverage = self._coverage(inside, x, y)
                if coverage > 0.0:
                    self.blend(x, y, paint(x, y), coverage * alpha)

    @staticmethod
    def _coverage(inside, x, y):
        corners = [inside(x + 0.05, y + 0.05), inside(x + 0.95, y + 0.05),
                   inside(x + 0.05, y + 0.95), inside(x + 0.95, y + 0.95)]
        if all(corners):
            return 1.0
        if not any(corners) and not inside(x + 0.5, y + 0.5):
            return 0.0
        hits = sum(inside(x + (i + 0.5) / 4, y + (j + 0.5) / 4) for i in range(4) for j in range(4))
        return hits / 16.0

    def save_bmp(self, path):
        """Writes an uncompressed bottom-up 24-bit BMP."""
        stride = (self.width * 3 + 3) & ~3
        data = bytearray()
        for y in range(self.height - 1, -1, -1):
            row = self.pixels[y * self.width * 3:(y + 1) * self.width * 3]
            for x in range(self.width):
                r, g, b = row[3 * x:3 * x + 3]
                data += bytes((b, g, r))
            data += b"\0" * (stride - self.width * 3)
        header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        with open(path, "wb") as f:
            f.write(header + info + data)


# --- shapes ----------------------------------------------------------------

def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r, width):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) <= width / 2


def ellipse_ring(cx, cy, rx, ry, width):
    def inside(x, y):
        d = math.hypot((x - cx) / rx, (y - cy) / ry)
        return abs(d - 1.0) * min(rx, ry) <= width / 2
    return inside


def polygon(points):
    def inside(x, y):
        result = False
        for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                result = not result
        return result
    return inside


def segment(ax, ay, bx, by, width):
    def inside(x, y):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
        return math.hypot(x - ax - t * dx, y - ay - t * dy) <= width / 2
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(shape, hole):
    return lambda x, y: shape(x, y) and not hole(x, y)


def inset_outline(d):
    """The window outline moved inwards by d, its cut corners included."""
    k = d * (math.sqrt(2) - 1)
    c = CHAMFER + k
    return [(c, d), (WIDTH - c, d), (WIDTH - d, c), (WIDTH - d, HEIGHT - c),
            (WIDTH - c, HEIGHT - d), (c, HEIGHT - d), (d, HEIGHT - c), (d, c)]


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def solid(colour):
    return lambda x, y: colour


# --- the picture ---------------------------------------------------------------

def draw_background(canvas):
    top, bottom = (20, 44, 100), (3, 8, 30)
    for y in range(HEIGHT):
        base = mix(top, bottom, y / (HEIGHT - 1))
        for x in range(WIDTH):
            glow = max(0.0, 1.0 - math.hypot(x - 520, y - 40) / 340) ** 2
            canvas.put(x, y, (base[0] + 24 * glow, base[1] + 56 * glow, base[2] + 110 * glow))
    stars = random.Random(7)
    for _ in range(110):
        x, y = stars.randrange(8, WIDTH - 8), stars.randrange(8, HEIGHT - 8)
        size = stars.choice([0.7, 0.9, 1.4])
        canvas.fill(circle(x, y, size), (x - 3, y - 3, x + 3, y + 3), solid((200, 220, 255)), stars.uniform(0.3, 0.9))


def edge_boxes(depth):
    """Four boxes along the edges that do not overlap (a pixel must be blended once)."""
    return [(0, 0, WIDTH, depth), (0, HEIGHT - depth, WIDTH, HEIGHT),
            (0, depth, depth, HEIGHT - depth), (WIDTH - depth, depth, WIDTH, HEIGHT - depth)]


def draw_frame(canvas):
    depth = CHAMFER + FRAME + 2
    outside = minus(lambda x, y: True, polygon(OUTLINE))
    band = minus(polygon(OUTLINE), polygon(inset_outline(FRAME)))
    for box in edge_boxes(depth):
        canvas.fill(outside, box, solid((0, 0, 0)))
        canvas.fill(band, box, lambda x, y: mix((130, 180, 250), (40, 70, 150), y / HEIGHT))


def draw_title(canvas):
    band = rounded_rect(28, 20, 612, 92, 12)
    canvas.fill(band, (28, 20, 613, 93), lambda x, y: mix((26, 88, 170), (8, 30, 84), (x - 28) / 584))
    canvas.fill(rounded_rect(30, 22, 610, 56, 10), (30, 22, 611, 57), solid((255, 255, 255)), 0.09)
    canvas.fill(minus(band, rounded_rect(29.5, 21.5, 610.5, 90.5, 10.5)), (27, 19, 614, 94), solid((120, 170, 240)))
    for x in range(40, 601):  # a gold line under the band, fading towards both ends
        for y in range(97, 100):
            canvas.blend(x, y, (255, 200, 70), 1.0 - abs(x - 320) / 280)
    draw_disc(canvas, 66, 56)


def draw_disc(canvas, cx, cy):
    canvas.fill(circle(cx, cy, 28), (cx - 30, cy - 30, cx + 30, cy + 30),
                lambda x, y: mix((235, 238, 245), (150, 158, 175), (y - cy + 28) / 56))
    hues = [(255, 120, 200), (120, 220, 255), (255, 240, 120), (140, 255, 170)]
    for i, hue in enumerate(hues):  # the rainbow sheen of a pressed disc
        start = i * math.pi / 2 + 0.3

        def wedge(x, y, start=start):
            angle = (math.atan2(y - cy, x - cx) - start) % (2 * math.pi)
            return angle < 0.7 and 12 < math.hypot(x - cx, y - cy) < 27
        canvas.fill(wedge, (cx - 28, cy - 28, cx + 28, cy + 28), solid(hue), 0.35)
    canvas.fill(circle(cx, cy, 11), (cx - 12, cy - 12, cx + 12, cy + 12), solid((182, 188, 200)))
    canvas.fill(ring(cx, cy, 28, 1.5), (cx - 30, cy - 30, cx + 30, cy + 30), solid((60, 70, 100)))
    canvas.fill(circle(cx, cy, 4.5), (cx - 6, cy - 6, cx + 6, cy + 6), solid((14, 46, 110)))


def draw_text_panel(canvas):
    x0, y0, x1, y1 = TEXT_PANEL
    canvas.fill(rounded_rect(x0, y0, x1, y1, 8), (x0, y0, x1 + 1, y1 + 1), solid(TEXT_BACKGROUND))
    canvas.fill(minus(rounded_rect(x0, y0, x1, y1, 8), rounded_rect(x0 + 1.2, y0 + 1.2, x1 - 1.2, y1 - 1.2, 7)),
                (x0, y0, x1 + 1, y1 + 1), solid((76, 116, 190)))


def icon_shape(kind, ox, oy):
    """A 24 x 24 pictogram with its top-left corner at (ox, oy)."""
    def p(x, y):
        return ox + x, oy + y
    if kind == "install":
        return union(segment(*p(12, 3), *p(12, 12), 3.2), polygon([p(6, 10), p(18, 10), p(12, 17)]),
                     segment(*p(3, 14), *p(3, 21), 2.4), segment(*p(3, 21), *p(21, 21), 2.4),
                     segment(*p(21, 21), *p(21, 14), 2.4))
    if kind == "document":
        page = polygon([p(5, 2), p(15, 2), p(20, 7), p(20, 22), p(5, 22)])
        hole = polygon([p(7, 4), p(14, 4), p(18, 8), p(18, 20), p(7, 20)])
        lines = [segment(*p(9, y), *p(16, y), 1.6) for y in (10, 13.5, 17)]
        return union(minus(page, hole), *lines)
    if kind == "globe":
        cx, cy = p(12, 12)
        return union(ring(cx, cy, 10, 2.0), ellipse_ring(cx, cy, 4.5, 10, 1.7), segment(cx - 10, cy, cx + 10, cy, 1.7),
                     segment(cx - 8.5, cy - 5, cx + 8.5, cy - 5, 1.4), segment(cx - 8.5, cy + 5, cx + 8.5, cy + 5, 1.4))
    if kind == "envelope":
        body = minus(polygon([p(2, 5), p(22, 5), p(22, 19), p(2, 19)]), polygon([p(4, 7), p(20, 7), p(20, 17), p(4, 17)]))
        return union(body, segment(*p(3, 6), *p(12, 13), 2.0), segment(*p(12, 13), *p(21, 6), 2.0))
    if kind == "eject":
        return union(polygon([p(3, 14), p(21, 14), p(12, 4)]), polygon([p(3, 17), p(21, 17), p(21, 20.5), p(3, 20.5)]))
    if kind == "about":
        cx, cy = p(12, 12)
        return union(ring(cx, cy, 10, 2.0), circle(cx, cy - 5, 1.8),
                     polygon([p(10.8, 10), p(13.2, 10), p(13.2, 17.5), p(10.8, 17.5)]))
    if kind == "minimize":
        return polygon([p(5, 15), p(19, 15), p(19, 18), p(5, 18)])
    if kind == "exit":
        return union(segment(*p(6, 6), *p(18, 18), 3.0), segment(*p(18, 6), *p(6, 18), 3.0))
    raise ValueError(kind)


def draw_plate(canvas, button, look):
    left, top, width, height = button["rect"]
    right, bottom = left + width, top + height
    plate = rounded_rect(left, top, right, bottom, 9)
    box = (left, top, right, bottom)
    canvas.fill(plate, box, lambda x, y: mix(look["top"], look["bottom"], (y - top) / height))
    if look["gloss"]:
        canvas.fill(rounded_rect(left + 2, top + 2, right - 2, top + height / 2, 7), box, solid((255, 255, 255)),
                    look["gloss"])
    if look.get("shadow"):  # a pressed plate lies in the shadow of its upper edge
        canvas.fill(rounded_rect(left + 1, top + 1, right - 1, top + 6, 5), box, solid((0, 0, 0)), look["shadow"])
    canvas.fill(minus(plate, rounded_rect(left + 1.6, top + 1.6, right - 1.6, bottom - 1.6, 7.5)), box,
                solid(look["border"]))
    shift = look["shift"]
    if "label" in button:
        ox = left + 12
    else:
        ox = left + (width - 24) / 2
    oy = top + (height - 24) / 2
    canvas.fill(icon_shape(button["icon"], ox + shift, oy + shift), (ox - 2, oy - 2, ox + 28, oy + 28),
                solid(look["ink"]))


# --- labels and file formats through ImageMagick --------------------------------

def font(name):
    path = os.path.join(FONT_FOLDER, name)
    return path if os.path.exists(path) else None


def hex_colour(colour):
    return "#%02x%02x%02x" % tuple(int(c) for c in colour)


def text_arguments(look):
    bold, regular = font("DejaVuSans-Bold.ttf"), font("DejaVuSans.ttf")
    if not bold or not regular:
        print("DejaVu fonts not found: the pictures get no labels", file=sys.stderr)
        return []
    args = ["-font", bold, "-pointsize", "31", "-fill", "#000a24", "-draw", "text 112,67 'VYX DEMO DISC'",
            "-fill", "#ffffff", "-draw", "text 110,65 'VYX DEMO DISC'",
            "-font", regular, "-pointsize", "14", "-fill", "#a8c8ff", "-draw", "text 112,84 'Interactive autorun menu'",
            "-pointsize", "11", "-fill", "#7090c8", "-draw", "text 44,444 'Vyx Demo Company  -  sample menu'",
            "-font", bold, "-pointsize", "17", "-fill", hex_colour(look["ink"])]
    for button in BUTTONS:
        if "label" in button:
            left, top = button["rect"][:2]
            x, y = left + 48 + look["shift"], top + 26 + look["shift"]
            args += ["-draw", "text %d,%d '%s'" % (x, y, button["label"])]
    return args


def convert(source, look, target, output_format):
    if output_format == "JPEG":
        options, prefix = ["-quality", "85"], "JPEG:"
    else:  # 8-bit run-length BMP: a twentieth of the 24-bit size, no visible loss on these plates
        options, prefix = ["+dither", "-colors", "256", "-type", "Palette", "-compress", "RLE"], "BMP3:"
    subprocess.run(["convert", source] + text_arguments(look) + ["-strip"] + options + [prefix + target], check=True)


def make_pictures(folder):
    base = Canvas(WIDTH, HEIGHT)
    draw_background(base)
    draw_frame(base)
    draw_title(base)
    draw_text_panel(base)
    targets = {"normal": ("background.jpg", "JPEG"), "over": ("over.bmp", "BMP"), "click": ("click.jpg", "JPEG")}
    with tempfile.TemporaryDirectory() as work:
        for state, look in STATES.items():
            canvas = base.copy()
            for button in BUTTONS:
                draw_plate(canvas, button, look)
            drawn = os.path.join(work, state + ".bmp")
            canvas.save_bmp(drawn)
            name, output_format = targets[state]
            convert(drawn, look, os.path.join(folder, name), output_format)


# --- sounds --------------------------------------------------------------------

def write_sound(path, start_hz, end_hz, seconds):
    rate = 11025
    count = int(rate * seconds)
    frames = bytearray()
    phase = 0.0
    for i in range(count):
        t = i / count
        phase += 2 * math.pi * (start_hz + (end_hz - start_hz) * t) / rate
        envelope = min(1.0, i / 40) * (1.0 - t) ** 2
        frames.append(128 + int(90 * envelope * math.sin(phase)))
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(1)
        w.setframerate(rate)
        w.writeframes(bytes(frames))


# --- help texts ----------------------------------------------------------------

RTF_HEAD = (r"{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\fmodern Courier New;}}"
            r"{\colortbl ;\red255\green255\blue255;\red255\green204\blue64;\red128\green208\blue255;"
            r"\red200\green210\blue230;\red255\green120\blue120;}" "\r\n" r"\f0\fs18\cf1 ")

HELP = {
    "welcome": r"{\fs28\cf2\b Welcome!}\par\par "
               r"This is the \b demo disc\b0  of \i vyxedit\i0 , the editor for autorun menus.\par\par "
               r"\cf4 Move the pointer over a button to read what it does.\par",
    "install": r"{\fs24\cf2\b Install}\par\par "
               r"Starts \cf3\b setup.exe\b0\cf1  from the disc and closes this menu.\par\par "
               r"\cf4 Action: \b RUN&CLOSE\b0\par",
    "readme": r"{\fs24\cf2\b Read me}\par\par "
              r"Opens \cf3\b readme.txt\b0\cf1  with the program your system uses for text files "
              r"(shell verb \i Open\i0 ).\par",
    "website": r"{\fs24\cf2\b Web site}\par\par "
               r"Opens {\f1\cf3 http://www.example.com/} in your web browser.\par\par "
               r"\cf4 Action: \b WINEXEC\b0  with an address.\par",
    "email": r"{\fs24\cf2\b Write to us}\par\par "
             r"Starts your e-mail program with a new message to {\f1\cf3 info@example.com}.\par",
    "eject": r"{\fs24\cf2\b Eject disc}\par\par "
             r"Opens the drive tray. \cf5\b Close the menu first\b0\cf1  if a program still reads the disc.\par",
    "about": r"{\fs24\cf2\b About}\par\par "
             r"Pictures, sounds and texts of this menu were all made by a small script.\par\par "
             r"\cf4 This button does nothing when clicked: its action is \b NONE\b0 .\par",
    "minimize": r"{\fs24\cf2\b Minimize}\par\par Puts the menu on the task bar.\par",
    "exit": r"{\fs24\cf2\b Exit}\par\par Closes the menu. \i Goodbye!\i0\par",
}

README = """Vyx Demo Disc
=============

This disc shows a sample autorun menu made with vyxedit.

Open launcher.ini in vyxedit to see how the buttons, the text area and the
window outline are set up.
"""


def write_text(path, text):
    with open(path, "wb") as f:
        f.write(text.replace("\r\n", "\n").replace("\n", "\r\n").encode("cp1252"))


def make_help(folder):
    os.makedirs(os.path.join(folder, "help"), exist_ok=True)
    for name, body in HELP.items():
        write_text(os.path.join(folder, "help", name + ".rtf"), RTF_HEAD + body + "\r\n}\r\n")
    write_text(os.path.join(folder, "readme.txt"), README)


# --- launcher.ini --------------------------------------------------------------

def colour_value(rgb):
    r, g, b = rgb
    return "$%08X" % (b << 16 | g << 8 | r)


def ini_text():
    main = [("Program", "Vyx Demo Disc"), ("Company", "Vyx Demo Company"), ("background", "background.jpg"),
            ("backover", "over.bmp"), ("backclick", "click.jpg"), ("SoundOver", "sounds\\over.wav"),
            ("SoundClick", "sounds\\click.wav"), ("OnLoadSound", ""), ("DefUnAssExtProg", "notepad.exe"),
            ("DefUnAssExtParam", ""), ("DefNotFoundProg", ""), ("IconFile", ""), ("HideBorder", "1"),
            ("HandCursor", "1"), ("DisableSelText", "1"), ("SimpleEsc", "1"), ("SizeX", str(WIDTH)),
            ("SizeY", str(HEIGHT)), ("ScrollStart", "0"), ("ScrollStartSpeed", "1"), ("ScrollEnd", "0"),
            ("ScrollEndSpeed", "1"), ("CustomShape", "1"), ("ReSort", "1")]
    left, top, width, height = TEXT_AREA
    text_info = [("Left", left), ("top", top), ("Height", height), ("Width", width), ("FontColor", "clWhite"),
                 ("BackGroundColor", colour_value(TEXT_BACKGROUND)), ("DefaultFile", "help\\welcome.rtf")]
    sections = [("MAIN", main), ("TextInfo", text_info)]
    for number, button in enumerate(BUTTONS):
        left, top, width, height = button["rect"]
        sections.append(("Button#%d" % number, [
            ("Name", button["name"]), ("Action", button["action"]), ("Left", left), ("top", top),
            ("Height", height), ("Width", width), ("Params", button.get("params", "")),
            ("LoadInfo", button["info"]), ("ShellRunAction", button.get("verb", "")), ("ShellRunParams", ""),
            ("ShellRunPath", ""), ("SoundOver", ""), ("SoundClick", button.get("sound_click", "")),
            ("UnAssExt", ""), ("OnNotFound", "")]))
    points = []
    for i, (x, y) in enumerate(OUTLINE):
        points += [("x%d" % i, x), ("y%d" % i, y)]
    points.append(("x%d" % len(OUTLINE), -999))
    sections.append(("CustomPoints", points))
    lines = []
    for name, keys in sections:
        lines.append("[%s]" % name)
        lines += ["%s=%s" % (key, value) for key, value in keys]
    return "\r\n".join(lines) + "\r\n"


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "examples", "demo")
    if not shutil.which("convert"):
        sys.exit("ImageMagick's convert is needed to write the pictures")
    os.makedirs(os.path.join(folder, "sounds"), exist_ok=True)
    make_pictures(folder)
    make_help(folder)
    write_sound(os.path.join(folder, "sounds", "over.wav"), 1400, 1800, 0.04)
    write_sound(os.path.join(folder, "sounds", "click.wav"), 900, 500, 0.07)
    write_sound(os.path.join(folder, "sounds", "bye.wav"), 700, 300, 0.25)
    write_text(os.path.join(folder, "launcher.ini"), ini_text())


if __name__ == "__main__":
    main()
