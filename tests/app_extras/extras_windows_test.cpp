// Qt Test of the gauge schema window, the preferred numbers picker, the About window and the help
// window, run offscreen.

#include <QBitmap>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include "app/about_window.h"
#include "app/help_window.h"
#include "app/redove_dialog.h"
#include "app/shema_window.h"
#include "i18n/language_state.h"
#include "i18n/settings_store.h"
#include "model/main_model.h"

namespace kelvo {

class ExtrasWindowsTest : public QObject {
    Q_OBJECT

  private:
    MemorySettingsStore store_;

    static MainWindowModel ModelWith(const char* fit, double sizeMm) {
        MainWindowModel model;
        model.NominalSize = sizeMm;
        model.NominalText = std::to_string(sizeMm);
        model.SetClassesFromFit(fit);
        model.CalculateStandard();
        return model;
    }

    static GaugeSchema SchemaOf(const MainWindowModel& model, ResultPage page) {
        return *BuildGaugeSchema(page, model.GaugeInputsOf(), model.InchMode);
    }

    // Pixels of a colour inside a rectangle of a window's picture.
    static int CountColour(const QImage& image, const QRectF& area, QRgb colour) {
        int count = 0;
        const QRect pixels = area.toAlignedRect().intersected(image.rect());
        for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
            for (int x = pixels.left(); x <= pixels.right(); ++x) {
                count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF) ? 1 : 0;
            }
        }
        return count;
    }

  private slots:
    void initTestCase() { SetLanguage(3, store_); }
    void init() { SetLanguage(3, store_); }

    void hatchTilesAreBuiltFromTheirColours() {
        const QImage greenL = HatchTileImage(HatchTile::GR_L);
        QCOMPARE(greenL.size(), QSize(6, 6));
        QCOMPARE(greenL.pixel(0, 0), qRgb(77, 209, 73));
        QCOMPARE(greenL.pixel(5, 0), qRgb(255, 255, 255));
        const QImage blueR = HatchTileImage(HatchTile::BL_R);
        QCOMPARE(blueR.pixel(5, 0), qRgb(0, 0, 255));
        QCOMPARE(blueR.pixel(0, 5), qRgb(0, 0, 255));
        QCOMPARE(blueR.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(HatchTileImage(HatchTile::RED_R).pixel(3, 2), qRgb(255, 155, 155));
    }

    void schemaWindowDrawsTheHolePage() {
        const MainWindowModel model = ModelWith("H7/g6", 25);
        TfrmShema window(SchemaOf(model, ResultPage::HoleGauges), '.');
        QCOMPARE(window.windowTitle(), QStringLiteral("Hole guages"));
        QCOMPARE(window.size(), QSize(403, 299));
        // Two charts of equal height below the caption strip.
        QCOMPARE(window.chartRect(0).top(), 17.0);
        QCOMPARE(window.chartRect(0).height(), window.chartRect(1).height());
        QCOMPARE(window.chartRect(1).bottom(), 299.0);
        // The GO zone (lower chart, x 1 to 4) lies inside the lower chart, under its N-G partner.
        const QRectF go = window.zoneRect(1, 0);
        QVERIFY(window.chartRect(1).contains(go));
        QVERIFY(go.height() > 5);
        QCOMPARE(go.left(), TfrmShema::xOf(1));
        QCOMPARE(go.right(), TfrmShema::xOf(4));
        // The reference line of the lower chart (25 mm) crosses the GO zone.
        const double line = window.yOf(1, 25.0);
        QVERIFY(line > go.top() && line < go.bottom());

        const QImage image = window.grab().toImage();
        QVERIFY(CountColour(image, go.adjusted(2, 2, -2, -2), qRgb(77, 209, 73)) > 10);
        QVERIFY(CountColour(image, window.zoneRect(0, 0).adjusted(2, 2, -2, -2),
                            qRgb(255, 155, 155)) > 10);
    }

    void schemaWindowShowsNoZoneForAShaftClassWithoutValue() {
        MainWindowModel model = ModelWith("H7/g6", 25);
        model.ShaftEs = kNotAvailable;
        model.ShaftEi = 0;
        TfrmShema shafts(SchemaOf(model, ResultPage::ShaftGauges), '.');
        QCOMPARE(shafts.windowTitle(), QStringLiteral("Shaft gauges"));
        const QImage image = shafts.grab().toImage();
        for (int chart = 0; chart < 2; ++chart) {
            QCOMPARE(CountColour(image, shafts.chartRect(chart), qRgb(77, 209, 73)), 0);
            QCOMPARE(CountColour(image, shafts.chartRect(chart), qRgb(255, 155, 155)), 0);
        }
        TfrmShema masters(SchemaOf(model, ResultPage::SettingMasters), '.');
        const QImage masterImage = masters.grab().toImage();
        QVERIFY(CountColour(masterImage, masters.zoneRect(0, 0).adjusted(2, 2, -2, -2),
                            qRgb(0, 0, 255)) > 10);
        QCOMPARE(
            CountColour(masterImage,
                        QRectF(TfrmShema::xOf(9), 17, TfrmShema::xOf(13) - TfrmShema::xOf(9), 282),
                        qRgb(0, 0, 255)),
            0);
    }

    void schemaWindowTitleFollowsTheLanguageAndAClickClosesIt() {
        SetLanguage(2, store_);
        const MainWindowModel model = ModelWith("H7/g6", 25);
        TfrmShema window(SchemaOf(model, ResultPage::SettingMasters), ',');
        QCOMPARE(window.windowTitle(), QStringLiteral("Einstellringe und -dorne"));
        window.show();
        QVERIFY(window.isVisible());  // mouse events go to the widget, exposed or not
        QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(200, 150));
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QVERIFY(!window.isVisible());
    }

    void showGaugeSchemaDoesNothingOnTheWorkpiecePage() {
        const MainWindowModel model = ModelWith("H7/g6", 25);
        bool opened = false;
        QTimer::singleShot(0, [&opened] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened = true;
                modal->close();
            }
        });
        ShowGaugeSchema(nullptr, model, 0);
        QVERIFY(!opened);
        QTimer::singleShot(50, [&opened] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened = modal->windowTitle() == QStringLiteral("Shaft gauges");
                modal->close();
            }
        });
        ShowGaugeSchema(nullptr, model, 2);
        QVERIFY(opened);
    }

    void pickerOpensOnAllAndSelectsTheFirstCell() {
        TfrmRedove window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Preferred numbers acc. ISO 3"));
        QCOMPARE(window.cbRedove->count(), 11);
        QCOMPARE(window.cbRedove->itemText(0), QStringLiteral("(all)"));
        QCOMPARE(window.cbRedove->itemText(8), QStringLiteral("R\"5"));
        QCOMPARE(window.table->rowCount(), 58);
        QCOMPARE(window.table->columnCount(), 6);
        QCOMPARE(window.table->horizontalHeaderItem(0)->text(), QStringLiteral("x0,001"));
        QCOMPARE(window.table->item(0, 0)->text(), QStringLiteral("0.01"));
        QCOMPARE(window.btnSelect->toolTip(), QStringLiteral("Select"));
        window.show();
        QTest::mouseClick(window.btnSelect, Qt::LeftButton);
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(window.chosenValueMm(), 0.01);
    }

    void pickerTakesTheDoubleClickedCellOfTheChosenSeries() {
        TfrmRedove window(',');
        window.show();
        QVERIFY(window.isVisible());          // mouse events go to the widget, exposed or not
        window.cbRedove->setCurrentIndex(4);  // R40
        QCOMPARE(window.table->rowCount(), 41);
        QCOMPARE(window.table->currentRow(), 0);
        QCOMPARE(window.table->item(1, 0)->text(), QStringLiteral("0,0106"));
        window.table->scrollToItem(window.table->item(1, 0));
        const QRect cell = window.table->visualItemRect(window.table->item(1, 0));
        QTest::mouseClick(window.table->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(window.table->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QVERIFY(qAbs(window.chosenValueMm() - 0.0106) < 1e-15);
    }

    void pickerSelectsTheCurrentCellWithEnter() {
        TfrmRedove window;
        window.show();
        window.cbRedove->setCurrentIndex(1);  // R5
        window.table->setCurrentCell(5, 5);
        QTest::keyClick(window.table, Qt::Key_Return);
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(window.chosenValueMm(), 10000.0);
    }

    void pickerCancelChoosesNothing() {
        TfrmRedove window;
        window.show();
        window.table->setCurrentCell(57, 5);
        QTest::mouseClick(window.btnCancel, Qt::LeftButton);
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QCOMPARE(window.chosenValueMm(), 0.0);
    }

    void aboutWindowIsShapedByItsPicture() {
        AboutWindow window(QStringLiteral("1.2.3"), nullptr, 1.0);
        QCOMPARE(window.size(), QSize(AboutWindow::kPictureWidth, AboutWindow::kPictureHeight));
        QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(window.productLabel()->text(),
                 QStringLiteral("KELVO Tolerances and gauges \n1.2.3"));
        QCOMPARE(window.productLabel()->font().pixelSize(), 11);
        const QRegion shape = window.mask();
        // Every pure yellow pixel of the picture is outside the window, every other one inside.
        const QImage& picture = window.shownPicture();
        int outside = 0;
        for (int y = 0; y < picture.height(); y += 3) {
            for (int x = 0; x < picture.width(); x += 3) {
                const bool yellow = picture.pixel(x, y) == AboutWindow::kTransparentColour;
                outside += yellow ? 1 : 0;
                QCOMPARE(shape.contains(QPoint(x, y)), !yellow);
            }
        }
        QVERIFY(outside > 100);
        QVERIFY(!shape.contains(QPoint(picture.width() - 1, 0)));
        QVERIFY(shape.contains(QPoint(picture.width() / 2, picture.height() / 2)));
    }

    void aboutWindowScalesWithTheScreenDensity() {
        AboutWindow window(QStringLiteral("1.0.0"), nullptr, 1.5);
        QCOMPARE(window.size(), QSize(600, 390));
        QCOMPARE(window.productLabel()->font().pixelSize(), 11);
        QCOMPARE(window.productLabel()->pos(), QPoint(30, 192));
    }

    void aboutWindowIsDraggedByAPressAndClosedByAClick() {
        AboutWindow window(QStringLiteral("1.0.0"), nullptr, 1.0);
        window.move(100, 100);
        window.show();
        QVERIFY(window.isVisible());  // mouse events go to the widget, exposed or not
        const QPoint start = window.pos();
        QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(200, 200));
        QMouseEvent move(QEvent::MouseMove, QPointF(240, 230),
                         window.mapToGlobal(QPointF(240, 230)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&window, &move);
        QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(240, 230));
        QCOMPARE(window.pos(), start + QPoint(40, 30));
        QVERIFY(window.isVisible());
        // A click on the product label closes the window.
        QTest::mouseClick(&window, Qt::LeftButton, {}, window.productLabel()->geometry().center());
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QVERIFY(!window.isVisible());
    }

    void helpShowsTheTopicsOfEveryLanguage() {
        HelpWindow window;
        for (int language = 1; language <= 3; ++language) {
            for (HelpTopicKind kind : {HelpTopicKind::Start, HelpTopicKind::Print}) {
                const QString link =
                    QString::fromStdString(HelpLinkText(HelpLinkOf(kind, language)));
                QVERIFY2(window.showLink(link), qPrintable(link));
                QVERIFY(window.currentPage().toString().startsWith(QStringLiteral("qrc:/help/")));
                QVERIFY(!window.browser->documentTitle().isEmpty());
            }
        }
        QVERIFY(!window.showLink(QStringLiteral("ZuzivOdi_EN.chm::/NOSUCHPAGE.htm")));
        QVERIFY(window.browser->toPlainText().contains(QStringLiteral("NOSUCHPAGE")));
    }

    void helpFollowsLinksAndGoesBackAndForward() {
        HelpWindow window;
        window.show();
        QVERIFY(window.showLink(QStringLiteral("ZuzivOdi_EN.chm::/ZUZIVODIEN.htm")));
        const QUrl start = window.currentPage();
        QVERIFY(!window.btnBack->isEnabled());
        window.browser->setSource(QUrl(QStringLiteral("PRINTEN.htm")));
        QCOMPARE(window.currentPage().fileName(), QStringLiteral("PRINTEN.htm"));
        QVERIFY(window.btnBack->isEnabled());
        QTest::mouseClick(window.btnBack, Qt::LeftButton);
        QCOMPARE(window.currentPage(), start);
        QVERIFY(window.btnForward->isEnabled());
        QTest::mouseClick(window.btnForward, Qt::LeftButton);
        QCOMPARE(window.currentPage().fileName(), QStringLiteral("PRINTEN.htm"));
        QTest::mouseClick(window.btnHome, Qt::LeftButton);
        QCOMPARE(window.currentPage().fileName(), QStringLiteral("ZUZIVODIEN.htm"));
    }

    // Every page links only to pages that exist, and every page of a language is reachable from
    // its start page.
    void helpLinksResolveAndEveryPageIsReachable() {
        QStringList pages;
        QDirIterator it(QStringLiteral(":/help"), QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (path.endsWith(QStringLiteral(".htm"))) {
                pages << path;
            }
        }
        QVERIFY(pages.size() >= 6);
        const QRegularExpression href(QStringLiteral("href=\"([^\"#]*)(#[^\"]*)?\""));
        QSet<QString> reached;
        for (const char* folder : {"ZuzivOdi_BG", "ZuzivOdi_DE", "ZuzivOdi_EN"}) {
            const QString base =
                QStringLiteral(":/help/") + QLatin1String(folder) + QLatin1Char('/');
            const QString start = base + QStringLiteral("ZUZIVODI") +
                                  QString::fromLatin1(folder).right(2) + QStringLiteral(".htm");
            QStringList queue{start};
            reached.insert(start);
            while (!queue.isEmpty()) {
                const QString page = queue.takeFirst();
                QFile file(page);
                QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(page));
                const QString html = QString::fromUtf8(file.readAll());
                QVERIFY2(html.contains(QStringLiteral("charset=utf-8")), qPrintable(page));
                for (auto match = href.globalMatch(html); match.hasNext();) {
                    const QString target = match.next().captured(1);
                    if (target.isEmpty() || target.startsWith(QStringLiteral("http"))) {
                        continue;
                    }
                    const QString linked = base + target;
                    QVERIFY2(QFile::exists(linked),
                             qPrintable(page + QStringLiteral(" -> ") + target));
                    if (!reached.contains(linked)) {
                        reached.insert(linked);
                        queue << linked;
                    }
                }
            }
        }
        for (const QString& page : pages) {
            QVERIFY2(reached.contains(page), qPrintable(page + QStringLiteral(" is not linked")));
        }
    }
};

}  // namespace kelvo

QTEST_MAIN(kelvo::ExtrasWindowsTest)
#include "extras_windows_test.moc"
