#include "qt/fonts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

#include <QString>
#include <QStringList>

#include "base/units.h"

namespace tolvane::qt {

namespace {

// Each Windows face of the design and the installed faces drawn in its place, best first: the
// one table both the substitutions and ToQFont read.
struct StandIn {
    QString Face;
    QStringList Faces;
};

const std::array<StandIn, 3>& StandIns() {
    const QString subset = QString::fromUtf8(kSongSubset);
    const QString song = QString::fromUtf8(kSongSubstitute);
    static const std::array<StandIn, 3> kStandIns{{
        {QString::fromUtf8(kSongFace), {subset, song}},
        {QString::fromUtf8(kGothicFace), {QString::fromUtf8(kGothicSubstitute), subset, song}},
        {QString::fromUtf8(kTahomaFace), {QString::fromUtf8(kTahomaSubstitute), subset, song}},
    }};
    return kStandIns;
}

// The installed faces a design face is drawn in, best first. A design face with a stand-in is
// asked for by the stand-in's name, so Qt finds it at once instead of first failing to match the
// Windows name and then trying its substitutions; the pixels are the same either way. A face
// without a stand-in is asked for as named, with the CJK face behind it when it asks for GB2312.
QStringList FamiliesFor(const gdi::Font& spec) {
    const QString face =
        QString::fromUtf8(spec.Name.data(), static_cast<qsizetype>(spec.Name.size()));
    for (const StandIn& entry : StandIns()) {
        if (face.compare(entry.Face, Qt::CaseInsensitive) == 0) {
            return entry.Faces;
        }
    }
    QStringList families{face};
    if (spec.Charset == kGb2312Charset && face != QString::fromUtf8(kSongSubstitute)) {
        families.append(QString::fromUtf8(kSongSubset));
        families.append(QString::fromUtf8(kSongSubstitute));
    }
    return families;
}

}  // namespace

void InstallFontSubstitutions() {
    for (const StandIn& entry : StandIns()) {
        QFont::insertSubstitutions(entry.Face, entry.Faces);
    }
}

QFont ToQFont(const gdi::Font& spec) {
    if (!(spec.SizePoints > 0.0 && spec.SizePoints <= kMaxFontPoints)) {
        throw std::invalid_argument("font size " + std::to_string(spec.SizePoints) +
                                    " pt is not between 0 and " + std::to_string(kMaxFontPoints) +
                                    " pt");
    }
    QFont font;
    font.setFamilies(FamiliesFor(spec));
    font.setPixelSize(std::max(1, base::PointsToPixels(spec.SizePoints)));
    // Weights share the 1..1000 scale; 0 means "any", which is regular.
    const int weight = spec.Weight <= 0 ? 400 : std::min(spec.Weight, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(spec.Italic);
    font.setUnderline(spec.Underline);
    font.setStrikeOut(spec.Strikethrough);
    return font;
}

gdi::Font DefaultSurfaceFont() {
    gdi::Font font;
    font.Name = kTahomaFace;
    font.SizePoints = 8.25;
    font.Weight = 400;
    return font;
}

}  // namespace tolvane::qt
