#include "app/about_window.h"

#include <QApplication>
#include <QBitmap>
#include <QCoreApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include "app/shema_window.h"

namespace kelvo {

namespace {

constexpr int kLabelFontPixels = 11;
const QColor kPlateColour(31, 53, 80);
const QColor kPlateLight(58, 92, 130);
const QColor kSteel(196, 203, 212);
const QColor kSteelDark(120, 130, 142);

// The product line of the label, with its trailing space; the version follows on the next line.
const QString kProductLine = QStringLiteral("KELVO Tolerances and gauges ");
const QString kStandardsLines = QStringLiteral(
    "ISO 286-1:1988  \u00B7  ISO/R 1938:1971  \u00B7  DIN 7150-2\nDIN 2250:1989  \u00B7  ISO 3");

// The outline shapes (in 96-dpi units): a plate with a round badge standing out of its top-left
// corner. They are filled without antialiasing so that every pixel is either pure yellow or
// belongs to the window.
constexpr QRect kPlate(0, 34, 400, 226);
constexpr int kPlateRadius = 16;
constexpr QPoint kBadgeCentre(66, 64);
constexpr int kBadgeRadius = 58;

void PaintOutline(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPlateColour);
    painter.drawRoundedRect(kPlate, kPlateRadius, kPlateRadius);
    painter.drawEllipse(kBadgeCentre, kBadgeRadius, kBadgeRadius);
}

// Everything inside the outline is drawn smooth: its edges blend with the plate, never with yellow.
void PaintPlate(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient shade(kPlate.topLeft(), kPlate.bottomLeft());
    shade.setColorAt(0, kPlateLight);
    shade.setColorAt(1, kPlateColour);
    painter.setBrush(shade);
    painter.drawRoundedRect(QRectF(kPlate).adjusted(3, 3, -3, -3), kPlateRadius - 3,
                            kPlateRadius - 3);
}

void PaintBadge(QPainter& painter) {
    QRadialGradient metal(kBadgeCentre - QPoint(18, 18), kBadgeRadius * 1.4);
    metal.setColorAt(0, Qt::white);
    metal.setColorAt(1, kSteel);
    painter.setPen(QPen(kPlateLight, 2));
    painter.setBrush(metal);
    painter.drawEllipse(QPointF(kBadgeCentre), kBadgeRadius - 5, kBadgeRadius - 5);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(27);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kPlateColour);
    const QRectF inner(kBadgeCentre.x() - 50, kBadgeCentre.y() - 30, 100, 34);
    painter.drawText(inner, Qt::AlignCenter, QStringLiteral("H7"));
    painter.drawLine(QPointF(kBadgeCentre.x() - 30, kBadgeCentre.y() + 6),
                     QPointF(kBadgeCentre.x() + 30, kBadgeCentre.y() + 6));
    painter.drawText(inner.translated(0, 36), Qt::AlignCenter, QStringLiteral("g6"));
}

void PaintLogo(QPainter& painter) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(46);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(138, 44, 250, 60), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("KELVO"));
    painter.setPen(QPen(QColor(77, 209, 73), 3));
    painter.drawLine(QPointF(140, 108), QPointF(380, 108));
}

// A small tolerance-zone sketch and a double-ended plug gauge along the bottom of the plate.
void PaintSketch(QPainter& painter) {
    const double zeroY = 222;
    const auto hatched = [&](const QRectF& area, HatchTile tile, const QColor& edge) {
        painter.setPen(QPen(edge, 1));
        painter.setBrush(QBrush(HatchTileImage(tile)));
        painter.drawRect(area);
    };
    hatched(QRectF(36, 196, 70, 26), HatchTile::RED_L, QColor(255, 155, 155));
    hatched(QRectF(122, 224, 70, 18), HatchTile::GR_R, QColor(77, 209, 73));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(QPointF(24, zeroY), QPointF(210, zeroY));

    // Plug gauge: GO end (long, green ring), handle, NOT-GO end (short, red ring).
    painter.setPen(QPen(kSteelDark, 1));
    QLinearGradient metal(0, 204, 0, 240);
    metal.setColorAt(0, Qt::white);
    metal.setColorAt(1, kSteelDark);
    painter.setBrush(metal);
    painter.drawRoundedRect(QRectF(236, 206, 44, 30), 3, 3);  // GO end
    painter.drawRoundedRect(QRectF(280, 212, 54, 18), 4, 4);  // handle
    painter.drawRoundedRect(QRectF(334, 207, 28, 28), 3, 3);  // NOT-GO end
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(77, 209, 73));
    painter.drawRect(QRectF(274, 206, 5, 30));
    painter.setBrush(QColor(220, 60, 60));
    painter.drawRect(QRectF(335, 207, 5, 28));
}

double ScreenScale(const QWidget* widget) {
    const QScreen* screen = widget->screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    const double dpi = screen != nullptr ? screen->logicalDotsPerInch() : 96;
    return dpi > 0 ? dpi / 96.0 : 1.0;
}

}  // namespace

QImage AboutWindow::picture(double scale) {
    QImage image(qRound(kPictureWidth * scale), qRound(kPictureHeight * scale),
                 QImage::Format_RGB32);
    image.fill(kTransparentColour);
    QPainter painter(&image);
    painter.scale(scale, scale);
    PaintOutline(painter);
    PaintPlate(painter);
    PaintBadge(painter);
    PaintLogo(painter);
    PaintSketch(painter);
    return image;
}

AboutWindow::AboutWindow(const QString& version, QWidget* parent, double scale)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);
    if (scale <= 0) {
        scale = ScreenScale(parent != nullptr ? parent : this);
    }
    picture_ = picture(scale);
    setFixedSize(picture_.size());
    // As a bitmap, the mono image that marks the yellow pixels leaves exactly those pixels out of
    // the window's region (the window test checks this pixel by pixel).
    const QImage yellow = picture_.createMaskFromColor(kTransparentColour, Qt::MaskInColor);
    setMask(QBitmap::fromImage(yellow));

    productLabel_ =
        addLabel(kProductLine + QLatin1Char('\n') + version, QRect(20, 128, 360, 34), scale, true);
    productLabel_->setObjectName(QStringLiteral("lbProduct"));
    addLabel(kStandardsLines, QRect(20, 162, 370, 30), scale, false);
}

QLabel* AboutWindow::addLabel(const QString& text, const QRect& area96, double scale, bool bold) {
    auto* label = new QLabel(text, this);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kLabelFontPixels);
    font.setBold(bold);
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(colours);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(QRect(qRound(area96.x() * scale), qRound(area96.y() * scale),
                             qRound(area96.width() * scale), qRound(area96.height() * scale)));
    // The window handles the mouse on its labels too: a click on them closes it.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

void AboutWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

void AboutWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    pressed_ = true;
    dragged_ = false;
    pressGlobal_ = event->globalPosition().toPoint();
    pressWindowPos_ = pos();
}

void AboutWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_) {
        return;
    }
    const QPoint moved = event->globalPosition().toPoint() - pressGlobal_;
    if (!dragged_ && moved.manhattanLength() < QApplication::startDragDistance()) {
        return;
    }
    dragged_ = true;
    move(pressWindowPos_ + moved);
}

void AboutWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) {
        return;
    }
    pressed_ = false;
    if (!dragged_) {
        accept();
    }
}

void ShowAboutWindow(QWidget* parent, const QString& version) {
    AboutWindow window(version.isEmpty() ? QCoreApplication::applicationVersion() : version,
                       parent);
    if (const QScreen* screen = window.screen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
    window.exec();
}

}  // namespace kelvo
