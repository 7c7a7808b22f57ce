#!/usr/bin/python3
"""Makes fonts/uming-subset.ttf: the CJK face the window draws its Chinese in (AR PL UMing CN,
Debian's fonts-arphic-uming), cut down to the characters the window can show.

The program embeds the subset under a name of its own, "Tolvane UMing CN", registers it at
start and asks for it before the installed face, so Qt draws from a 150 KB face in memory instead
of opening and mapping the 20 MB collection. The pixels are the installed face's: every kept glyph
keeps its outline, embedded bitmaps and metrics; the face keeps the installed face's bounding box,
flags and maxima, which the rasteriser reads; and it keeps the characters FreeType's auto-hinter
measures the face on. A character the subset lacks is drawn by the installed face.

The face is under the Arphic Public License (fonts/ARPHICPL.TXT), which allows changed copies
under the same licence with a notice of the change: the face's description says what was changed
and when, and this script is the way to make it again.

The characters: printable ASCII, and every non-ASCII character in the sources that hold the
window's texts (read from the files, so a changed text cannot be forgotten here), plus the texts
Qt's Chinese translation puts on a message box's buttons.

Usage: /usr/bin/python3 resources/make_cjk_subset.py   (needs Debian's fonts-arphic-uming and
python3-fonttools; writes resources/fonts/uming-subset.ttf)
"""
import pathlib

from fontTools import subset
from fontTools.ttLib import TTCollection

COLLECTION = "/usr/share/fonts/truetype/arphic/uming.ttc"
FACE = "AR PL UMing CN"
# The subset's own family name: a changed face does not take the original's name, and a name of
# its own lets the program ask for it first with the installed face behind it.
SUBSET_FAMILY = "Tolvane UMing CN"
CHANGE_NOTICE = ("AR PL UMing CN, cut down to the characters Tolvane's window shows and renamed "
                 "Tolvane UMing CN by the Tolvane developers on 2026-12-07 "
                 "(resources/make_cjk_subset.py). Arphic Public License.")
ROOT = pathlib.Path(__file__).resolve().parent.parent
TEXT_SOURCES = [
    "countdown/countdown_model_texts.h",
    "countdown/countdown_model.cpp",
    "countdown/form1_design.h",
    "base/date_format.cpp",
    "resources/form1_design.json",
]
# A message box's buttons in Qt's Chinese translation (确定 for OK).
EXTRA_TEXT = "确定取消关闭是否"
# FreeType's auto-hinter fits a CJK face's glyphs to widths and heights it measures on these
# characters (its standard characters and its top and bottom blue-zone strings). The face has no
# hinting of its own, so a subset without them would be hinted differently and draw other pixels.
AUTOHINTER_TEXT = (
    "田囗"
    "他们你來們到和地对對就席我时時會来為能舰說说这這齊"
    "军同已愿既星是景民照现現理用置要軍那配里開雷露面顾"
    "个为人他以们你來個們到和大对對就我时時有来為要說说"
    "主些因它想意理生當看着置者自著裡过还进進過道還里面"
)
OUTPUT = ROOT / "resources/fonts/uming-subset.ttf"


def characters():
    chars = {chr(code) for code in range(0x20, 0x7F)}
    for source in TEXT_SOURCES:
        chars.update(c for c in (ROOT / source).read_text(encoding="utf-8") if ord(c) > 0x7F)
    chars.update(EXTRA_TEXT)
    chars.update(AUTOHINTER_TEXT)
    return sorted(chars)


# The face-wide figures the subsetter recomputes from the glyphs it keeps. Rasterisers read some
# of them (the bounding box sizes glyph caches, the flags steer scaling), so the subset keeps the
# installed face's values and draws the same pixels.
KEPT_HEADERS = {
    "head": ["flags", "xMin", "yMin", "xMax", "yMax"],
    "hhea": ["advanceWidthMax", "minLeftSideBearing", "minRightSideBearing", "xMaxExtent"],
    "vhea": ["minTopSideBearing", "minBottomSideBearing", "yMaxExtent"],
    "maxp": ["maxPoints", "maxContours", "maxCompositePoints", "maxCompositeContours",
             "maxComponentElements", "maxComponentDepth"],
}


def rename(face):
    for record in face["name"].names:
        if record.nameID in (1, 3, 4, 16):  # family, unique id, full name, typographic family
            record.string = SUBSET_FAMILY
        elif record.nameID == 6:  # PostScript name
            record.string = SUBSET_FAMILY.replace(" ", "")
    face["name"].setName(CHANGE_NOTICE, 10, 3, 1, 0x409)  # description, Windows Unicode English


def main():
    collection = TTCollection(COLLECTION)
    face = next(f for f in collection.fonts if f["name"].getDebugName(1) == FACE)
    options = subset.Options()
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.name_legacy = True
    options.notdef_outline = True
    options.glyph_names = True
    options.hinting = True
    options.legacy_kern = True
    options.drop_tables = []  # keep the embedded bitmaps, the BDF table and the vertical metrics
    options.recalc_bounds = False
    options.recalc_max_context = False
    options.recalc_timestamp = False
    subsetter = subset.Subsetter(options)
    text = "".join(characters())
    subsetter.populate(text=text)
    kept = {tag: dict(vars(face[tag])) for tag in KEPT_HEADERS}
    subsetter.subset(face)
    for tag, fields in KEPT_HEADERS.items():
        for field in fields:
            setattr(face[tag], field, kept[tag][field])
    rename(face)
    face.recalcBBoxes = False  # keep the installed face's box, restored above
    face.recalcTimestamp = False  # the same script and face give the same bytes
    OUTPUT.parent.mkdir(exist_ok=True)
    face.save(OUTPUT)
    print(f"{OUTPUT.relative_to(ROOT)}: {len(text)} characters, {OUTPUT.stat().st_size} bytes")


if __name__ == "__main__":
    main()
