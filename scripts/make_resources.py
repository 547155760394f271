#!/usr/bin/python3
"""Draws the program's own pictures into resources/.

    /usr/bin/python3 scripts/make_resources.py

Needs Python 3 with PIL (Debian: python3-pil) and the Liberation fonts
(fonts-liberation2). The output is committed, so building needs neither.

  resources/resources/controlpanel3.res   tool panel background (BMP, 140 x 500)
  resources/Resources/SPLASH3.Res         About window and splash screen (BMP, 610 x 500)
  resources/resources/cursors/*.png       the five cursors (32 x 32)
  resources/resources/buttons/*.png       tool-bar, tool-panel and dialog button pictures
"""
import math
import os
import random

from PIL import Image, ImageDraw, ImageFont

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources")
FONT_DIR = "/usr/share/fonts/truetype/liberation2"
SCALE = 4  # draw large, then shrink: smooth edges without an anti-aliasing API

INK = (43, 58, 85)
PALETTE = [(231, 111, 81), (244, 162, 97), (233, 196, 106), (42, 157, 143), (38, 70, 83),
           (125, 92, 168), (86, 160, 211), (214, 93, 140)]


def font(size, bold=False):
    name = "LiberationSans-Bold.ttf" if bold else "LiberationSans-Regular.ttf"
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size)


def save(image, *parts):
    path = os.path.join(ROOT, *parts)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    if path.lower().endswith(".png"):
        image.save(path, "PNG", optimize=True)
    else:
        image.convert("RGB").save(path, "BMP")
    print(os.path.relpath(path, ROOT))


def canvas(size):
    return Image.new("RGBA", (size * SCALE, size * SCALE), (0, 0, 0, 0))


def shrink(image, size):
    return image.resize((size, size), Image.LANCZOS)


def s(v):
    return int(round(v * SCALE))


# ---------------------------------------------------------------- icons


def icon(size, draw_fn):
    image = canvas(size)
    draw_fn(ImageDraw.Draw(image), size)
    return shrink(image, size)


def box(d, x0, y0, x1, y1, fill, outline=INK, width=1.2, radius=0):
    if radius:
        d.rounded_rectangle([s(x0), s(y0), s(x1), s(y1)], radius=s(radius), fill=fill, outline=outline,
                            width=s(width))
    else:
        d.rectangle([s(x0), s(y0), s(x1), s(y1)], fill=fill, outline=outline, width=s(width))


def line(d, points, fill=INK, width=1.5):
    d.line([(s(x), s(y)) for x, y in points], fill=fill, width=s(width), joint="curve")


def poly(d, points, fill, outline=INK, width=1.2):
    d.polygon([(s(x), s(y)) for x, y in points], fill=fill, outline=outline, width=s(width))


def ellipse(d, x0, y0, x1, y1, fill, outline=INK, width=1.2):
    d.ellipse([s(x0), s(y0), s(x1), s(y1)], fill=fill, outline=outline, width=s(width))


def photo_card(d, x0, y0, x1, y1):
    box(d, x0, y0, x1, y1, (250, 250, 246))
    box(d, x0 + 1.5, y0 + 1.5, x1 - 1.5, y1 - 1.5, (134, 190, 230), outline=None)
    h = y1 - y0
    poly(d, [(x0 + 1.5, y1 - 1.5), (x0 + (x1 - x0) * 0.4, y0 + h * 0.45), (x1 - 1.5, y1 - 1.5)],
         (42, 157, 143), outline=None)
    ellipse(d, x1 - (x1 - x0) * 0.35, y0 + h * 0.18, x1 - (x1 - x0) * 0.15, y0 + h * 0.38, (244, 200, 90),
            outline=None)


def draw_new(d, n):
    poly(d, [(5, 2), (15, 2), (19, 6), (19, 22), (5, 22)], (255, 255, 255))
    poly(d, [(15, 2), (15, 6), (19, 6)], (220, 226, 236))
    for i, c in enumerate(PALETTE[:4]):
        box(d, 7.5 + (i % 2) * 5, 9 + (i // 2) * 5, 11.5 + (i % 2) * 5, 13 + (i // 2) * 5, c, outline=None)


def draw_open(d, n):
    poly(d, [(2, 6), (9, 6), (11, 8), (20, 8), (20, 20), (2, 20)], (244, 190, 90))
    poly(d, [(4, 11), (22, 11), (19, 20), (2, 20)], (250, 214, 120))


def draw_save(d, n):
    box(d, 3, 3, 21, 21, (66, 110, 170), radius=1.5)
    box(d, 6.5, 3, 17.5, 10, (240, 242, 246))
    box(d, 6, 13, 18, 21, (220, 226, 236))
    box(d, 13.5, 4.5, 15.5, 8.5, INK, outline=None)


def draw_print(d, n):
    box(d, 6, 2, 18, 10, (255, 255, 255))
    box(d, 2, 9, 22, 18, (150, 160, 175), radius=1.5)
    box(d, 6, 14, 18, 22, (255, 255, 255))
    line(d, [(8, 17), (16, 17)], width=1)
    line(d, [(8, 19.5), (14, 19.5)], width=1)


def draw_preview(d, n):
    box(d, 2, 4, 22, 17, (38, 70, 83), radius=1)
    box(d, 4, 6, 20, 15, (134, 190, 230), outline=None)
    poly(d, [(4, 15), (10, 9), (15, 15)], (42, 157, 143), outline=None)
    line(d, [(12, 17), (12, 20)], width=2)
    line(d, [(7, 21), (17, 21)], width=2)


def draw_layout(d, n):
    box(d, 2, 2, 22, 22, (255, 255, 255))
    box(d, 4, 4, 12, 12, PALETTE[0], outline=None)
    box(d, 14, 4, 20, 9, PALETTE[3], outline=None)
    box(d, 14, 11, 20, 20, PALETTE[6], outline=None)
    box(d, 4, 14, 12, 20, PALETTE[2], outline=None)


def draw_photo(d, n):
    photo_card(d, 2, 4, 22, 20)


def draw_text(d, n):
    f = font(s(19), bold=True)
    d.text((s(12), s(12.5)), "A", font=f, fill=PALETTE[0], anchor="mm", stroke_width=s(0.6), stroke_fill=INK)
    line(d, [(4, 22), (20, 22)], fill=INK, width=1.2)


def draw_stamp(d, n):
    box(d, 9, 2, 15, 10, (160, 110, 70), radius=2)
    box(d, 5, 10, 19, 15, (120, 80, 50), radius=1)
    box(d, 3, 15, 21, 18, (214, 93, 140), radius=1)
    line(d, [(3, 21), (21, 21)], fill=(214, 93, 140), width=1.5)


def draw_auto(d, n):
    for i, c in enumerate([PALETTE[0], PALETTE[3], PALETTE[5]]):
        box(d, 3 + i * 3, 3 + i * 4, 14 + i * 3, 12 + i * 4, c, radius=1)
    poly(d, [(17, 1), (18.5, 4.5), (22, 6), (18.5, 7.5), (17, 11), (15.5, 7.5), (12, 6), (15.5, 4.5)],
         (244, 200, 90), width=0.8)


def draw_shadow(d, n):
    box(d, 7, 7, 21, 21, (110, 110, 120), outline=None, radius=1)
    photo_card(d, 3, 3, 17, 17)


def draw_grayscale(d, n):
    for i in range(5):
        g = 40 + i * 50
        box(d, 2 + i * 4, 4, 6 + i * 4, 20, (g, g, g), outline=None)
    box(d, 2, 4, 22, 20, None)


def draw_mask(d, n):
    box(d, 2, 2, 22, 22, (255, 255, 255))
    ellipse(d, 5, 4, 19, 20, (134, 190, 230))
    poly(d, [(6, 17), (11, 10), (17, 18)], (42, 157, 143), outline=None)


def draw_frame(d, n):
    box(d, 2, 2, 22, 22, (196, 150, 60), radius=1)
    box(d, 5, 5, 19, 19, (240, 225, 180))
    box(d, 7, 7, 17, 17, (134, 190, 230), outline=None)


def draw_colorize(d, n):
    for i, c in enumerate([PALETTE[0], PALETTE[2], PALETTE[3], PALETTE[6]]):
        angle = math.pi / 4 + i * math.pi / 2
        cx, cy = 12 + 5 * math.cos(angle), 12 + 5 * math.sin(angle)
        ellipse(d, cx - 5, cy - 5, cx + 5, cy + 5, c, width=0.8)


def draw_brightness(d, n):
    ellipse(d, 7, 7, 17, 17, (244, 200, 90))
    for i in range(8):
        a = i * math.pi / 4
        line(d, [(12 + 7 * math.cos(a), 12 + 7 * math.sin(a)), (12 + 10 * math.cos(a), 12 + 10 * math.sin(a))],
             width=1.5)


def draw_rotate(d, n):
    d.arc([s(4), s(4), s(20), s(20)], start=200, end=520, fill=INK, width=s(2))
    poly(d, [(15, 1), (21, 4.5), (15, 8)], INK, outline=None)


def draw_crop(d, n):
    line(d, [(6, 1), (6, 18), (23, 18)], width=2.2)
    line(d, [(1, 6), (18, 6), (18, 23)], width=2.2)
    box(d, 8, 8, 16, 16, (134, 190, 230), outline=None)


def draw_delete(d, n):
    line(d, [(5, 5), (19, 19)], fill=(200, 40, 40), width=3.2)
    line(d, [(19, 5), (5, 19)], fill=(200, 40, 40), width=3.2)


def draw_exit(d, n):
    box(d, 3, 2, 14, 22, (196, 150, 60))
    poly(d, [(14, 12), (21, 7), (21, 17)], (200, 40, 40), width=0.8)
    line(d, [(9, 12), (16, 12)], fill=(200, 40, 40), width=2.5)


TOOL_ICONS = {
    "new": draw_new, "open": draw_open, "save": draw_save, "print": draw_print, "preview": draw_preview,
    "layout": draw_layout, "photo": draw_photo, "text": draw_text, "stamp": draw_stamp, "auto": draw_auto,
    "shadow": draw_shadow, "grayscale": draw_grayscale, "mask": draw_mask, "frame": draw_frame,
    "colorize": draw_colorize, "brightness": draw_brightness, "rotate": draw_rotate, "crop": draw_crop,
    "delete": draw_delete, "exit": draw_exit,
}


def panel_icon(name):
    """The tool panel's 40 x 40 pictures: the 24-unit icons on a round badge."""
    size = 40
    image = canvas(size)
    d = ImageDraw.Draw(image)
    d.ellipse([s(1), s(1), s(39), s(39)], fill=(255, 255, 255, 235), outline=INK + (255,), width=s(1.2))
    inner = icon(24, TOOL_ICONS[name]).resize((s(24), s(24)), Image.LANCZOS)
    image.alpha_composite(inner, (s(8), s(8)))
    return shrink(image, size)


def draw_palette_badge(d, n):
    poly(d, [(12, 2), (21, 7), (21, 17), (12, 22), (3, 17), (3, 7)], (255, 255, 255))
    for i, c in enumerate(PALETTE[:6]):
        a = i * math.pi / 3 - math.pi / 2
        cx, cy = 12 + 6 * math.cos(a), 12 + 6 * math.sin(a)
        ellipse(d, cx - 2.6, cy - 2.6, cx + 2.6, cy + 2.6, c, width=0.6)


def draw_fullscreen(d, n):
    box(d, 4, 6, 20, 18, (134, 190, 230))
    for (x, y, dx, dy) in [(2, 2, 1, 1), (22, 2, -1, 1), (2, 22, 1, -1), (22, 22, -1, -1)]:
        line(d, [(x, y + 5 * dy), (x, y), (x + 5 * dx, y)], width=1.8)


TOOL_ICONS["palette"] = draw_palette_badge
TOOL_ICONS["fullscreen"] = draw_fullscreen


def arrow_button(pointing_left):
    """SHRINK (pointing left) and EXPAND (pointing right), 12 x 14."""
    w, h = 12, 14
    image = Image.new("RGBA", (w * SCALE, h * SCALE), (0, 0, 0, 0))
    d = ImageDraw.Draw(image)
    if pointing_left:
        points = [(8.5, 2), (3, 7), (8.5, 12)]
    else:
        points = [(3.5, 2), (9, 7), (3.5, 12)]
    d.polygon([(s(x), s(y)) for x, y in points], fill=INK)
    return image.resize((w, h), Image.LANCZOS)


# ---------------------------------------------------------------- cursors


def cursor(draw_fn):
    image = Image.new("RGBA", (32 * SCALE, 32 * SCALE), (0, 0, 0, 0))
    draw_fn(ImageDraw.Draw(image))
    return image.resize((32, 32), Image.LANCZOS)


def outlined_line(d, points, width=2.0):
    d.line([(s(x), s(y)) for x, y in points], fill=(255, 255, 255), width=s(width + 2))
    d.line([(s(x), s(y)) for x, y in points], fill=(0, 0, 0), width=s(width))


def outlined_poly(d, points):
    d.polygon([(s(x), s(y)) for x, y in points], fill=(0, 0, 0), outline=(255, 255, 255), width=s(1))


def cursor_resize(d):  # hot spot 15, 15
    outlined_line(d, [(15, 4), (15, 26)])
    outlined_line(d, [(4, 15), (26, 15)])
    outlined_poly(d, [(15, 0), (20, 6), (10, 6)])
    outlined_poly(d, [(15, 30), (20, 24), (10, 24)])
    outlined_poly(d, [(0, 15), (6, 10), (6, 20)])
    outlined_poly(d, [(30, 15), (24, 10), (24, 20)])


def cursor_zoom(d):  # hot spot 12, 12
    d.ellipse([s(3), s(3), s(21), s(21)], outline=(255, 255, 255), width=s(4))
    d.ellipse([s(4), s(4), s(20), s(20)], outline=(0, 0, 0), width=s(2))
    outlined_line(d, [(19, 19), (29, 29)], width=3)
    outlined_line(d, [(8, 12), (16, 12)], width=1.5)
    outlined_line(d, [(12, 8), (12, 16)], width=1.5)


def cursor_crop(d):  # hot spot 15, 15
    outlined_line(d, [(8, 2), (8, 22), (28, 22)], width=2.5)
    outlined_line(d, [(2, 8), (22, 8), (22, 28)], width=2.5)
    outlined_line(d, [(12, 15), (18, 15)], width=1)
    outlined_line(d, [(15, 12), (15, 18)], width=1)


def cursor_render(d):  # hot spot 15, 15
    outlined_poly(d, [(7, 3), (23, 3), (15, 15)])
    outlined_poly(d, [(15, 15), (23, 27), (7, 27)])
    d.polygon([(s(x), s(y)) for x, y in [(11, 24), (19, 24), (15, 19)]], fill=(244, 200, 90))
    outlined_line(d, [(5, 2), (25, 2)], width=2)
    outlined_line(d, [(5, 28), (25, 28)], width=2)


def cursor_stamp(d):  # hot spot 15, 30
    d.rounded_rectangle([s(11), s(2), s(19), s(14)], radius=s(3), fill=(160, 110, 70), outline=(0, 0, 0),
                        width=s(1.2))
    d.rounded_rectangle([s(6), s(14), s(24), s(21)], radius=s(1.5), fill=(120, 80, 50), outline=(0, 0, 0),
                        width=s(1.2))
    d.rectangle([s(4), s(21), s(26), s(26)], fill=(214, 93, 140), outline=(0, 0, 0), width=s(1.2))
    outlined_line(d, [(10, 30), (20, 30)], width=1.5)


# ---------------------------------------------------------------- panel and splash


def vertical_gradient(w, h, top, bottom):
    image = Image.new("RGB", (w, h))
    d = ImageDraw.Draw(image)
    for y in range(h):
        t = y / max(1, h - 1)
        d.line([(0, y), (w, y)], fill=tuple(int(a + (b - a) * t) for a, b in zip(top, bottom)))
    return image


def control_panel():
    w, h = 140, 500
    image = vertical_gradient(w, h, (226, 234, 246), (200, 212, 236))
    d = ImageDraw.Draw(image)
    d.line([(w - 1, 0), (w - 1, h)], fill=(150, 165, 195))
    d.text((10, 9), "Tools", font=font(13, bold=True), fill=INK)
    d.line([(10, 28), (118, 28)], fill=(150, 165, 195))
    labels = [("Add", "Photo", 74), ("Add", "Text", 168), ("Back-", "grounds", 265), ("Auto", "Collage", 353),
              ("Full", "Screen", 440)]
    for first, second, top in labels:
        d.rounded_rectangle([6, top - 6, 134, top + 54], radius=8, fill=(238, 243, 251), outline=(170, 184, 212))
        d.text((76, top + 14), first, font=font(12, bold=True), fill=INK, anchor="rm")
        d.text((76, top + 30), second, font=font(12, bold=True), fill=INK, anchor="rm")
    return image


def splash():
    w, h = 610, 500
    image = vertical_gradient(w, h, (252, 248, 240), (240, 232, 218))
    d = ImageDraw.Draw(image)
    rng = random.Random(3)  # fixed: the picture comes out the same every time
    # A patchwork of photo tiles across the top.
    cell = 46
    for row in range(5):
        for col in range(14):
            x, y = 8 + col * (cell - 3) + (row % 2) * 10, 10 + row * (cell - 8)
            if x > w - 20:
                continue
            colour = rng.choice(PALETTE)
            tilt = rng.uniform(-0.12, 0.12)
            corners = [(-1, -1), (1, -1), (1, 1), (-1, 1)]
            cx, cy, r = x + cell / 2, y + cell / 2, cell / 2 - 3
            pts = [(cx + r * (a * math.cos(tilt) - b * math.sin(tilt)), cy + r * (a * math.sin(tilt) + b * math.cos(tilt)))
                   for a, b in corners]
            d.polygon(pts, fill=(255, 255, 255), outline=(210, 200, 185))
            inner = [(cx + (px - cx) * 0.8, cy + (py - cy) * 0.8) for px, py in pts]
            d.polygon(inner, fill=colour)
    d.rectangle([0, 215, w, 236], fill=(252, 248, 240))
    d.line([(0, 236), (w, 236)], fill=(220, 205, 180))
    d.text((w // 2, 300), "Quiltara", font=font(72, bold=True), fill=INK, anchor="mm")
    d.text((w // 2, 362), "Photo Collage Editor", font=font(24), fill=(120, 110, 100), anchor="mm")
    d.line([(160, 395), (450, 395)], fill=(220, 205, 180), width=2)
    d.rectangle([0, 425, w, 470], fill=(246, 240, 228))
    d.rectangle([0, 0, w - 1, h - 1], outline=(150, 140, 125))
    return image


def main():
    save(control_panel(), "resources", "controlpanel3.res")
    save(splash(), "Resources", "SPLASH3.Res")
    for name, fn in [("resize", cursor_resize), ("zoom", cursor_zoom), ("crop", cursor_crop),
                     ("render", cursor_render), ("stamp", cursor_stamp)]:
        save(cursor(fn), "resources", "cursors", name + ".png")
    for name, fn in TOOL_ICONS.items():
        if name in ("palette", "fullscreen"):
            continue
        save(icon(24, fn), "resources", "buttons", name + ".png")
    for name, source in [("panel_photo", "photo"), ("panel_text", "text"), ("panel_palette", "palette"),
                         ("panel_auto", "auto"), ("panel_fullscreen", "fullscreen")]:
        save(panel_icon(source), "resources", "buttons", name + ".png")
    save(arrow_button(True), "resources", "buttons", "shrink.png")
    save(arrow_button(False), "resources", "buttons", "expand.png")


if __name__ == "__main__":
    main()
