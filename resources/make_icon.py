#!/usr/bin/python3
"""Draws the application icon: an hourglass running out, on a rounded night-blue square.

Writes resources/tolvane.ico with ten images (48, 32 and 16 pixels at 4 and at 8 bits per
pixel with a palette and an AND mask, the same sizes at 32 bits per pixel with alpha, and
256 pixels as PNG) and resources/icons/tolvane-<size>.png for desktop environments.

Pillow only draws and quantises; the ICO container is written here, because Pillow's ICO
writer cannot store 4- or 8-bit palette entries. Deterministic: no randomness, no input files.
Needs python3-pil. Run: /usr/bin/python3 resources/make_icon.py
"""

import io
import os
import struct

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
ICO_OUTPUT = os.path.join(HERE, "tolvane.ico")
PNG_DIRECTORY = os.path.join(HERE, "icons")
PNG_SIZES = (16, 32, 48, 64, 128, 256)
# (size, bits per pixel) in the order the icon directory lists them; 256 is stored as PNG.
ICO_IMAGES = ((48, 4), (32, 4), (16, 4), (48, 8), (32, 8), (16, 8), (48, 32), (32, 32), (16, 32))
ICO_PNG_SIZE = 256
SUPERSAMPLE = 8

TILE_TOP = (46, 66, 138)
TILE_BOTTOM = (12, 18, 52)
TILE_EDGE = (94, 120, 196)
GLASS = (70, 96, 168)
GLASS_EDGE = (196, 220, 255)
CAP = (236, 238, 246)
CAP_SHADE = (150, 156, 178)
SAND_TOP = (255, 200, 72)
SAND_BOTTOM = (232, 112, 28)


# At 16 pixels a drawing blurs, so that size is drawn pixel by pixel. T is the tile (its
# colour follows the tile's gradient), E its edge, C/c a cap and its shade, G/g the glass
# edge and inside, Y the sand still above, O the sand fallen below, "." transparent.
PIXEL_ART_16 = (
    "..EEEEEEEEEEEE..",
    ".ETTTTTTTTTTTTE.",
    "ETTCCCCCCCCCCTTE",
    "ETTccccccccccTTE",
    "ETTGggggggggGTTE",
    "ETTTGggggggGTTTE",
    "ETTTTGYYYYGTTTTE",
    "ETTTTTGYYGTTTTTE",
    "ETTTTTGYYGTTTTTE",
    "ETTTTGgOOgGTTTTE",
    "ETTTGOOOOOOGTTTE",
    "ETTGOOOOOOOOGTTE",
    "ETTCCCCCCCCCCTTE",
    "ETTccccccccccTTE",
    ".ETTTTTTTTTTTTE.",
    "..EEEEEEEEEEEE..",
)


class Canvas:
    """A supersampled drawing area that takes coordinates in pixels of the final icon."""

    def __init__(self, size):
        self.size = size
        self.scale = SUPERSAMPLE if size >= 64 else SUPERSAMPLE * 2
        self.image = Image.new("RGBA", (size * self.scale,) * 2, (0, 0, 0, 0))
        self.draw = ImageDraw.Draw(self.image)

    def px(self, points):
        return [(x * self.scale, y * self.scale) for x, y in points]

    def box(self, left, top, right, bottom):
        s = self.scale
        return [left * s, top * s, right * s - 1, bottom * s - 1]

    def reduced(self):
        return self.image.resize((self.size, self.size), Image.LANCZOS)


def snap(value, size):
    """Snaps small icons to whole pixels so that their edges stay crisp."""
    return round(value) if size <= 48 else value


def vertical_gradient(width, height, top, bottom):
    column = Image.new("RGBA", (1, height))
    for y in range(height):
        column.putpixel((0, y), gradient_colour(top, bottom, y / max(1, height - 1)) + (255,))
    return column.resize((width, height))


def draw_tile(canvas):
    size, s = canvas.size, canvas.scale
    inset = size / 32
    radius = size * 0.2
    full = size * s
    mask = Image.new("L", (full, full), 0)
    ImageDraw.Draw(mask).rounded_rectangle(
        canvas.box(inset, inset, size - inset, size - inset), radius=radius * s, fill=255
    )
    canvas.image.paste(vertical_gradient(full, full, TILE_TOP, TILE_BOTTOM), (0, 0), mask)
    edge = max(1.0, size / 40)
    canvas.draw.rounded_rectangle(
        canvas.box(inset, inset, size - inset, size - inset),
        radius=radius * s,
        outline=TILE_EDGE + (255,),
        width=round(edge * s),
    )


def glass_half_width(t, size):
    """Half-width of the glass at t, 0 at the neck and 1 at either end (in icon pixels)."""
    neck = max(0.75, size * 0.045)
    widest = size * 0.27
    return neck + (widest - neck) * (t**0.6)


def glass_slice(size, top, bottom, y_from, y_to, steps=16):
    """The part of the glass between two heights, as a polygon."""
    centre, middle, half = size / 2, (top + bottom) / 2, (bottom - top) / 2
    right = []
    for i in range(steps + 1):
        y = y_from + (y_to - y_from) * i / steps
        right.append((centre + glass_half_width(abs(y - middle) / half, size), y))
    left = [(2 * centre - x, y) for x, y in reversed(right)]
    return right + left


def draw_hourglass(canvas):
    size, s = canvas.size, canvas.scale
    cap_height = max(2.0, snap(size * 0.085, size))
    cap_left, cap_right = snap(size * 0.2, size), size - snap(size * 0.2, size)
    cap_top = snap(size * 0.13, size)
    cap_bottom = size - cap_top
    glass_top, glass_bottom = cap_top + cap_height, cap_bottom - cap_height
    middle = (glass_top + glass_bottom) / 2
    stroke = max(1.0, size / 22)

    glass = canvas.px(glass_slice(size, glass_top, glass_bottom, glass_top, glass_bottom, 24))
    canvas.draw.polygon(glass, fill=GLASS + (255,))

    # what is left above: a shallow layer sinking into the neck
    sand_level = middle - (middle - glass_top) * 0.42
    sand_top = glass_slice(size, glass_top, glass_bottom, sand_level, middle)
    canvas.draw.polygon(canvas.px(sand_top), fill=SAND_TOP + (255,))
    # the heap below: a mound that almost fills the lower bulb
    heap_foot = middle + (glass_bottom - middle) * 0.35
    heap = glass_slice(size, glass_top, glass_bottom, heap_foot, glass_bottom)
    crest = middle + (glass_bottom - middle) * 0.2
    canvas.draw.polygon(canvas.px(heap + [(size / 2, crest)]), fill=SAND_BOTTOM + (255,))
    # the falling stream
    stream = max(1.0, size / 40)
    canvas.draw.rectangle(
        canvas.box(size / 2 - stream / 2, middle - 0.5, size / 2 + stream / 2, crest + 0.5),
        fill=SAND_TOP + (255,),
    )

    canvas.draw.line(
        glass + glass[:1], fill=GLASS_EDGE + (255,), width=round(stroke * s), joint="curve"
    )

    for y in (cap_top, glass_bottom):
        shade_height = max(1.0, cap_height * 0.35)
        canvas.draw.rounded_rectangle(
            canvas.box(cap_left, y, cap_right, y + cap_height),
            radius=min(cap_height / 2, size * 0.03) * s,
            fill=CAP + (255,),
        )
        canvas.draw.rectangle(
            canvas.box(
                cap_left + 0.5, y + cap_height - shade_height, cap_right - 0.5, y + cap_height
            ),
            fill=CAP_SHADE + (255,),
        )


def gradient_colour(top, bottom, t):
    return tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))


def render_pixel_art(rows):
    size = len(rows)
    fixed = {"E": TILE_EDGE, "C": CAP, "c": CAP_SHADE, "G": GLASS_EDGE, "g": GLASS,
             "Y": SAND_TOP, "O": SAND_BOTTOM}
    image = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    for y, row in enumerate(rows):
        assert len(row) == size, f"row {y} of the pixel art is {len(row)} wide"
        for x, key in enumerate(row):
            if key == "T":
                tile = gradient_colour(TILE_TOP, TILE_BOTTOM, y / (size - 1))
                image.putpixel((x, y), tile + (255,))
            elif key != ".":
                image.putpixel((x, y), fixed[key] + (255,))
    return image


def render(size):
    if size == len(PIXEL_ART_16):
        return render_pixel_art(PIXEL_ART_16)
    canvas = Canvas(size)
    draw_tile(canvas)
    draw_hourglass(canvas)
    return canvas.reduced()


def opaque_mask(image):
    """True where a pixel is drawn; low-colour entries have no partial transparency."""
    return [a >= 128 for a in image.getchannel("A").getdata()]


def design_palette():
    """Fifteen colours for the 4-bit entries: each colour of the design, and tile shades.

    A palette chosen by counting pixels would merge the small areas of sand into the blue.
    """
    named = [TILE_EDGE, CAP, CAP_SHADE, GLASS, GLASS_EDGE, SAND_TOP, SAND_BOTTOM]
    shades = [gradient_colour(TILE_TOP, TILE_BOTTOM, i / 7) for i in range(8)]
    return named + shades


def palette_image(image, bits):
    """Index and palette for a 4- or 8-bit entry; index 0 is black and marks transparency.

    Only drawn pixels are quantised; transparent ones are black in the colour bitmap, as
    the AND mask requires, so that the screen shows through unchanged.
    """
    opaque = opaque_mask(image)
    colours = [p[:3] for p, keep in zip(image.getdata(), opaque) if keep]
    strip = Image.new("RGB", (len(colours), 1))
    strip.putdata(colours)
    if bits == 4:
        fixed = Image.new("P", (1, 1))
        fixed.putpalette([channel for colour in design_palette() for channel in colour])
        quantised = strip.quantize(palette=fixed, dither=Image.NONE)
    else:
        quantised = strip.quantize(colors=255, method=Image.MEDIANCUT, dither=Image.NONE)
    flat = quantised.getpalette()
    used = [tuple(flat[i : i + 3]) for i in range(0, len(flat), 3)]
    palette = ([(0, 0, 0)] + used + [(0, 0, 0)] * (1 << bits))[: 1 << bits]
    strip_indices = iter(quantised.getdata())
    indices = [next(strip_indices) + 1 if keep else 0 for keep in opaque]
    assert max(indices) < (1 << bits)
    return indices, palette, opaque


def row_bytes(width, bits):
    return (width * bits + 31) // 32 * 4


def and_mask_rows(size, opaque):
    rows = []
    for y in reversed(range(size)):  # device-independent bitmaps are stored bottom-up
        bits = bytearray(row_bytes(size, 1))
        for x in range(size):
            if not opaque[y * size + x]:
                bits[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(bits))
    return b"".join(rows)


def bitmap_header(size, bits, image_bytes):
    # BITMAPINFOHEADER; the height counts the colour bitmap and the AND mask together
    return struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, image_bytes, 0, 0, 0, 0)


def palette_entry(image, bits):
    size = image.width
    indices, palette, opaque = palette_image(image, bits)
    rows = []
    for y in reversed(range(size)):
        row = bytearray(row_bytes(size, bits))
        for x in range(size):
            index = indices[y * size + x]
            if bits == 8:
                row[x] = index
            else:
                row[x // 2] |= index << (4 if x % 2 == 0 else 0)
        rows.append(bytes(row))
    xor = b"".join(rows)
    mask = and_mask_rows(size, opaque)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return bitmap_header(size, bits, len(xor) + len(mask)) + table + xor + mask


def true_colour_entry(image):
    size = image.width
    pixels = list(image.getdata())
    rows = []
    for y in reversed(range(size)):
        row = pixels[y * size : (y + 1) * size]
        rows.append(b"".join(struct.pack("<BBBB", b, g, r, a) for r, g, b, a in row))
    xor = b"".join(rows)
    mask = and_mask_rows(size, opaque_mask(image))
    return bitmap_header(size, 32, len(xor) + len(mask)) + xor + mask


def png_bytes(image):
    buffer = io.BytesIO()
    image.save(buffer, "PNG", optimize=True)
    return buffer.getvalue()


def write_ico(path, images):
    entries = []
    for size, bits in ICO_IMAGES:
        data = true_colour_entry(images[size]) if bits == 32 else palette_entry(images[size], bits)
        entries.append((size, bits, data))
    entries.append((ICO_PNG_SIZE, 32, png_bytes(images[ICO_PNG_SIZE])))

    header = struct.pack("<HHH", 0, 1, len(entries))  # ICONDIR: reserved, type 1 = icon, count
    offset = len(header) + 16 * len(entries)
    directory, blobs = [], []
    for size, bits, data in entries:
        colours = 16 if bits == 4 else 0  # 0 means 256 or more
        side = size if size < 256 else 0  # a side of 256 is stored as 0
        # ICONDIRENTRY: width, height, colours, reserved, planes, bits, bytes, offset
        entry = struct.pack("<BBBBHHII", side, side, colours, 0, 1, bits, len(data), offset)
        directory.append(entry)
        blobs.append(data)
        offset += len(data)
    with open(path, "wb") as out:
        out.write(header + b"".join(directory) + b"".join(blobs))


def main():
    sizes = sorted(set(PNG_SIZES) | {size for size, _ in ICO_IMAGES} | {ICO_PNG_SIZE})
    images = {size: render(size) for size in sizes}
    write_ico(ICO_OUTPUT, images)
    os.makedirs(PNG_DIRECTORY, exist_ok=True)
    for size in PNG_SIZES:
        with open(os.path.join(PNG_DIRECTORY, f"tolvane-{size}.png"), "wb") as out:
            out.write(png_bytes(images[size]))
    size = os.path.getsize(ICO_OUTPUT)
    print(f"wrote {ICO_OUTPUT} ({size} bytes) and {len(PNG_SIZES)} PNG icons")


if __name__ == "__main__":
    main()
