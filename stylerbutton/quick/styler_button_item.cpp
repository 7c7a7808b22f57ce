#include "stylerbutton/quick/styler_button_item.h"

#include <cmath>
#include <memory>

#include <QGuiApplication>
#include <QQmlInfo>
#include <QQuickWindow>
#include <QSGImageNode>

#include "base/rounding.h"
#include "qt/fonts.h"
#include "qt/surface_image.h"

namespace tolvane::styler {

namespace {

// The object name of a button that its document has not named: a new instance's caption.
constexpr const char* kUnnamedInstance = "StylerButton";

// The longest side, in device pixels, of a surface the item draws: what graphics cards take as a
// texture. A larger button would take gigabytes; it shows nothing.
constexpr double kMaxSurfaceSide = 16384.0;

gdi::FontRef DefaultContainerFont() {
    return std::make_shared<gdi::Font>(qt::DefaultSurfaceFont());
}

// A logical side as the button takes it: not a number or negative is 0.
double Side(double logical) {
    return std::isfinite(logical) && logical > 0.0 ? logical : 0.0;
}

bool FitsSurface(double width, double height, double ratio) {
    return Side(width) * ratio <= kMaxSurfaceSide && Side(height) * ratio <= kMaxSurfaceSide;
}

}  // namespace

StylerButtonItem::StylerButtonItem(QQuickItem* parent)
    : QQuickItem(parent), hover_timer_(this), hosted_(*this, hover_timer_, DefaultContainerFont()) {
    setObjectName(QString::fromLatin1(kUnnamedInstance));
    setFlag(ItemHasContents);
    // As a push button: in the tab chain, and every mouse button and the hover reach it.
    setActiveFocusOnTab(true);
    setAcceptedMouseButtons(Qt::AllButtons);
    setAcceptHoverEvents(true);
    RelayEvents();
    hosted_.SizeChanged();
    Button().ApplyDefaults();
}

StylerButtonItem::~StylerButtonItem() {
    polishing_ = true;  // nothing is shown any more
    icon_loader_.Cancel();
    hosted_.Teardown();
}

// ---- HostWindow -------------------------------------------------------------------------------

std::string StylerButtonItem::InstanceName() const {
    return objectName().toStdString();
}

WindowSize StylerButtonItem::Size() const {
    const double ratio =
        window() != nullptr ? window()->effectiveDevicePixelRatio() : qGuiApp->devicePixelRatio();
    if (!FitsSurface(width(), height(), ratio)) {
        return {0, 0, ratio};
    }
    return {base::RoundToInt32(Side(width())), base::RoundToInt32(Side(height())), ratio};
}

// contains() reads the region from the hosted button whenever Qt Quick asks.
void StylerButtonItem::ApplyRegion(const gdi::Region& region, double device_pixel_ratio) {
    (void)region;
    (void)device_pixel_ratio;
}

// The picture is copied and shown at the next frame's polish, never from inside a Redraw.
void StylerButtonItem::RequestRepaint() {
    surface_changed_ = true;
    if (!polishing_) {
        polish();
    }
}

// The pointer is over the button when Qt Quick's hover or mouse events last put it over its
// shape at this point: hover delivery already leaves out cut-away corners (contains()) and
// items above that take the hover.
bool StylerButtonItem::IsOwnWindowAt(ScreenPoint point) {
    return pointer_over_ && point == pointer_;
}

void StylerButtonItem::ReportFailure(std::string_view message) {
    qmlWarning(this).noquote() << QString::fromUtf8(message.data(),
                                                    static_cast<qsizetype>(message.size()));
}

bool StylerButtonItem::contains(const QPointF& point) const {
    const double ratio = hosted_.DevicePixelRatio();
    return hosted_.Region().Contains(static_cast<int>(std::floor(point.x() * ratio)),
                                     static_cast<int>(std::floor(point.y() * ratio)));
}

// ---- Size, window and ratio -------------------------------------------------------------------

void StylerButtonItem::geometryChange(const QRectF& new_geometry, const QRectF& old_geometry) {
    QQuickItem::geometryChange(new_geometry, old_geometry);
    if (new_geometry.size() == old_geometry.size()) {
        return;
    }
    if (!FitsSurface(width(), height(), Size().DevicePixelRatio)) {
        qmlWarning(this).nospace()
            << "a button of " << width() << " x " << height() << " is too large to draw (at most "
            << kMaxSurfaceSide << " device pixels a side); it shows nothing";
    }
    hosted_.PaintDue();  // the new shape applies without waiting for a frame
}

void StylerButtonItem::itemChange(ItemChange change, const ItemChangeData& value) {
    QQuickItem::itemChange(change, value);
    if (change == ItemSceneChange) {
        TrackPointer({}, false);
    }
    if (change == ItemSceneChange || change == ItemDevicePixelRatioHasChanged) {
        hosted_.PaintDue();
        RequestRepaint();  // a new window shows the surface anew
    }
}

// ---- Painting ---------------------------------------------------------------------------------

// Before each frame that was asked for: the paint row if due, then the surface's pixels into the
// image the next texture is made of, transparent outside the region so that the cut-away
// corners show what lies below.
void StylerButtonItem::updatePolish() {
    polishing_ = true;
    hosted_.PaintDue();
    polishing_ = false;
    if (!surface_changed_) {
        return;
    }
    surface_changed_ = false;
    CopySurfaceToImage(hosted_.Surface(), hosted_.Region(), image_);
    image_.setDevicePixelRatio(hosted_.DevicePixelRatio());
    texture_changed_ = true;
    update();
}

// Runs on the render thread while the user-interface thread waits: the image is not touched
// meanwhile. The texture holds the device pixels one to one and is sampled without filtering.
QSGNode* StylerButtonItem::updatePaintNode(QSGNode* old_node, UpdatePaintNodeData* data) {
    (void)data;
    auto* node = static_cast<QSGImageNode*>(old_node);
    if (image_.isNull()) {
        delete node;
        return nullptr;
    }
    if (node == nullptr) {
        node = window()->createImageNode();
        node->setFiltering(QSGTexture::Nearest);
        node->setOwnsTexture(true);
        texture_changed_ = true;
    }
    if (texture_changed_) {
        texture_changed_ = false;
        node->setTexture(
            window()->createTextureFromImage(image_, QQuickWindow::TextureHasAlphaChannel));
        node->setSourceRect(QRectF(QPointF(0, 0), image_.size()));
        node->setRect(QRectF(QPointF(0, 0), image_.deviceIndependentSize()));
    }
    return node;
}

}  // namespace tolvane::styler
