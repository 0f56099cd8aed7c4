#pragma once
// The About window: borderless, shaped by its picture (every pure yellow pixel of the picture is
// transparent and not part of the window), with the product name and version. A press drags it;
// a click closes it.

#include <QDialog>
#include <QImage>
#include <QPoint>

class QLabel;

namespace kelvo {

class AboutWindow : public QDialog {
    Q_OBJECT

  public:
    // The colour that the picture leaves out of the window.
    static constexpr QRgb kTransparentColour = 0xFFFFFF00;  // red 255, green 255, blue 0
    // Picture size at 96 pixels per inch.
    static constexpr int kPictureWidth = 400;
    static constexpr int kPictureHeight = 260;

    // `version` is the program's version text; `scale` the screen's pixels per inch / 96 (0: take
    // it from the screen).
    explicit AboutWindow(const QString& version, QWidget* parent = nullptr, double scale = 0);

    // The picture at a scale: it gives the window its size and outline.
    static QImage picture(double scale);
    const QImage& shownPicture() const { return picture_; }
    QLabel* productLabel() const { return productLabel_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QLabel* addLabel(const QString& text, const QRect& area96, double scale, bool bold);

    QImage picture_;
    QLabel* productLabel_ = nullptr;
    QPoint pressGlobal_;
    QPoint pressWindowPos_;
    bool pressed_ = false;
    bool dragged_ = false;
};

// Help > About (N9): the About window, modal, released when it closes. An empty version shows the
// application's version (QCoreApplication::applicationVersion).
void ShowAboutWindow(QWidget* parent, const QString& version = QString());

}  // namespace kelvo
