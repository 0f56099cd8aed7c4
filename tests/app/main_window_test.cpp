// The main window against the rules of the calculation flow: the first start, a class change,
// a class without values, the non-standard pages and their messages, the unit button, the
// languages and the nominal field's limits.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>

#include <QClipboard>
#include "app/class_pick_list.h"

#include "app/control_texts.h"
#include "app/help_window.h"
#include "app/program.h"
#include "app/result_pages.h"
#include "app/zone_chart_view.h"
#include "app_test_fixture.h"
#include "gauges/gauge_dims.h"

using namespace kelvo;
using namespace kelvo::testing;

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        ClearStoredSettings();
        started_ = StartWindow();
        QVERIFY(started_.window != nullptr);
    }

    void cleanup() {
        started_.window.reset();
        KELVO_VERIFY_NO_OTHER_BOX(watchdog_);
    }

    void firstStartShowsH7g6At10mm() {
        QCOMPARE(started_.find<QLineEdit>("edNominal")->text(), QStringLiteral("10"));
        QCOMPARE(started_.find<QComboBox>("cbLetter_o")->currentText(), QStringLiteral("H"));
        QCOMPARE(started_.find<QComboBox>("cbIT_o")->currentText(), QStringLiteral("7"));
        QCOMPARE(started_.find<QComboBox>("cbLetter_v")->currentText(), QStringLiteral("g"));
        QCOMPARE(started_.find<QComboBox>("cbIT_v")->currentText(), QStringLiteral("6"));
        const char* grid = "drgrDanni";
        QCOMPARE(started_.caption(grid, 1, 0), QStringLiteral("10 H7"));
        QCOMPARE(started_.caption(grid, 1, 1), QStringLiteral("10 g6"));
        const QStringList hole = {started_.value(grid, 2, 0), started_.value(grid, 4, 0),
                                  started_.value(grid, 5, 0), started_.value(grid, 7, 0),
                                  started_.value(grid, 8, 0)};
        QCOMPARE(hole, (QStringList{"0.0150", "0.0150", "0.0000", "10.0150", "10.0000"}));
        const QStringList shaft = {started_.value(grid, 2, 1), started_.value(grid, 4, 1),
                                   started_.value(grid, 5, 1), started_.value(grid, 7, 1),
                                   started_.value(grid, 8, 1)};
        QCOMPARE(shaft, (QStringList{"0.0090", "-0.0050", "-0.0140", "9.9950", "9.9860"}));
        QCOMPARE(started_.value(grid, 10, 0), QStringLiteral("10 H7/g6"));
        QCOMPARE(started_.value(grid, 11, 0), QStringLiteral("Clearance fit"));
        QCOMPARE(started_.value(grid, 12, 0), QStringLiteral("0.0290"));
        QCOMPARE(started_.value(grid, 13, 0), QStringLiteral("0.0050"));
        QCOMPARE(started_.value(grid, 14, 0), QStringLiteral("0.0240"));
        // The chart of the same fit, and the window around it.
        auto* chart = started_.find<ZoneChartView>("Chart1");
        QCOMPARE(chart->labelTexts(), (QStringList{"15", "0", "-5", "-14"}));
        QVERIFY(chart->isVisible());
        QCOMPARE(started_.find<QTabWidget>("PageControl1")->currentIndex(), 0);
        QCOMPARE(started_.find<QStackedWidget>("nbParam")->currentIndex(), 0);
        QVERIFY(!started_.find<QComboBox>("cbStTGR")->isEnabled());
        QVERIFY(!started_.find<QStackedWidget>("PageControl2")->isVisible());
        QCOMPARE(started_.window->windowTitle(), QStringLiteral("KELVO Tolerances and gauges"));
        QCOMPARE(started_.find<QLabel>("lblNote")->text(),
                 QStringLiteral("Values and tolerances in [mm]."));
    }

    void newShaftGradeRecomputesEveryGrid() {
        const QString ringBefore = started_.value("dbgrKalVal", 2, 1);
        auto* grade = started_.find<QComboBox>("cbIT_v");
        grade->setFocus();
        QTest::keyClick(grade, Qt::Key_Down);  // g6 -> g7, as the user steps through the list
        QCOMPARE(grade->currentText(), QStringLiteral("7"));
        QCOMPARE(started_.caption("drgrDanni", 1, 1), QStringLiteral("10 g7"));
        QCOMPARE(started_.value("drgrDanni", 2, 1), QStringLiteral("0.0150"));
        QCOMPARE(started_.value("drgrDanni", 5, 1), QStringLiteral("-0.0200"));
        QCOMPARE(started_.value("drgrDanni", 10, 0), QStringLiteral("10 H7/g7"));
        // The gauge grids follow: the NOT-GO ring gauge of g7 as the gauge computation gives it.
        const ShaftGauges gauges = ComputeShaftGauges(started_.window->model().GaugeInputsOf());
        QVERIFY(gauges.Available);
        QCOMPARE(started_.value("dbgrKalVal", 2, 1),
                 QString::fromStdString(FormatGaugeValue(gauges.NoGoRing.Nominal, false)));
        QVERIFY(started_.value("dbgrKalVal", 2, 1) != ringBefore);
        auto* chart = started_.find<ZoneChartView>("Chart1");
        QCOMPARE(chart->labelTexts(), (QStringList{"15", "0", "-5", "-20"}));
    }

    void classWithoutValueShowsN() {
        Choose(started_.find<QComboBox>("cbLetter_o"), QStringLiteral("T"));
        QCOMPARE(started_.window->model().HoleES, kNotAvailable);
        const char* grid = "drgrDanni";
        QCOMPARE(started_.caption(grid, 1, 0), QString());
        for (int row : {2, 4, 5, 7, 8}) {
            QCOMPARE(started_.value(grid, row, 0), QStringLiteral("N"));
        }
        for (int row = 10; row <= 14; ++row) {
            QCOMPARE(started_.value(grid, row, 0), QStringLiteral("N"));
        }
        QCOMPARE(started_.caption(grid, 12, 0), QStringLiteral("Max."));
        QCOMPARE(started_.caption(grid, 13, 0), QStringLiteral("Min."));
        QCOMPARE(started_.value(grid, 2, 1), QStringLiteral("0.0090"));
        QCOMPARE(started_.value("dbgrKalOtv", 2, 0), QStringLiteral("N"));
        QCOMPARE(started_.find<ZoneChartView>("Chart1")->labelTexts().mid(0, 2),
                 (QStringList{"0", "0"}));
    }

    void limitSizesAcceptedWithEnterAndWithCalculate() {
        Choose(started_.find<QComboBox>("cbMetodi"), 1);
        QCOMPARE(started_.find<QStackedWidget>("nbParam")->currentIndex(), 1);
        QVERIFY(started_.find<QComboBox>("cbStTGR")->isEnabled());
        auto* upper = started_.find<QLineEdit>("edMaxR_o");
        QCOMPARE(upper->text(), QStringLiteral("10.015"));
        QCOMPARE(started_.value("drgrDanni", 10, 0), QStringLiteral("(non-standard)"));

        TypeInto(upper, QStringLiteral("10.02"));
        QCOMPARE(started_.value("drgrDanni", 2, 0), QStringLiteral("N"));  // until accepted
        QTest::keyClick(upper, Qt::Key_Return);
        QCOMPARE(started_.value("drgrDanni", 2, 0), QStringLiteral("0.0200"));
        QCOMPARE(started_.value("drgrDanni", 4, 0), QStringLiteral("0.0200"));
        QCOMPARE(started_.caption("drgrDanni", 1, 0), QStringLiteral("10 (IT8)"));

        TypeInto(started_.find<QLineEdit>("edMinR_v"), QStringLiteral("9.97"));
        started_.find<QToolButton>("btnCalk")->click();
        QCOMPARE(started_.value("drgrDanni", 5, 1), QStringLiteral("-0.0300"));
        QCOMPARE(started_.value("drgrDanni", 2, 1), QStringLiteral("0.0250"));

        // Back to the classes: the selectors (which now hold the assigned grades 8 and 9), not the
        // typed sizes, give the results again.
        Choose(started_.find<QComboBox>("cbMetodi"), 0);
        QCOMPARE(started_.find<QComboBox>("cbIT_o")->currentText(), QStringLiteral("8"));
        QCOMPARE(started_.value("drgrDanni", 2, 0), QStringLiteral("0.0220"));
        QCOMPARE(started_.value("drgrDanni", 10, 0), QStringLiteral("10 H8/g9"));
        QVERIFY(!started_.find<QComboBox>("cbStTGR")->isEnabled());
    }

    void limitsInWrongOrderShowTheirMessages() {
        Choose(started_.find<QComboBox>("cbMetodi"), 1);
        TypeInto(started_.find<QLineEdit>("edMinR_o"), QStringLiteral("10.1"));
        QTest::keyClick(started_.find<QLineEdit>("edMinR_o"), Qt::Key_Return);
        QCOMPARE(watchdog_.takeTexts(),
                 QStringList{QStringLiteral("Upper limit of size has to be greater than lower "
                                            "limit of size!")});
        QCOMPARE(started_.value("drgrDanni", 2, 0), QStringLiteral("N"));

        Choose(started_.find<QComboBox>("cbMetodi"), 0);
        Choose(started_.find<QComboBox>("cbMetodi"), 2);
        QCOMPARE(started_.find<QLineEdit>("edDO_v")->text(), QStringLiteral("-0.014"));
        QCOMPARE(watchdog_.takeTexts(), QStringList());
        TypeInto(started_.find<QLineEdit>("edGO_v"), QStringLiteral("-0.03"));
        started_.find<QToolButton>("btnCalk")->click();
        QCOMPARE(
            watchdog_.takeTexts(),
            QStringList{QStringLiteral("Upper deviation has to be greater than lower deviation!")});
    }

    void unitButtonSwitchesBothWays() {
        auto* units = started_.find<QToolButton>("btnMM");
        units->click();
        QCOMPARE(started_.find<QLineEdit>("edNominal")->text(), QStringLiteral("0.3937"));
        QCOMPARE(started_.window->model().NominalSize, 10.0);
        QCOMPARE(started_.value("drgrDanni", 2, 0), QStringLiteral("0.00059"));
        QCOMPARE(started_.value("drgrDanni", 7, 0), QStringLiteral("0.39429"));
        QCOMPARE(started_.caption("drgrDanni", 1, 0), QStringLiteral("10 H7"));
        QCOMPARE(started_.find<QLabel>("lblNote")->text(),
                 QStringLiteral("Values and tolerances in [in]."));
        QCOMPARE(started_.find<ZoneChartView>("Chart1")->labelTexts(),
                 (QStringList{"0.59", "0", "-0.2", "-0.55"}));
        units->click();
        QCOMPARE(started_.find<QLineEdit>("edNominal")->text(), QStringLiteral("10"));
        QCOMPARE(started_.value("drgrDanni", 2, 0), QStringLiteral("0.0150"));
        QCOMPARE(started_.find<QLabel>("lblNote")->text(),
                 QStringLiteral("Values and tolerances in [mm]."));
    }

    void typedInchesReachTheModelInMillimetres() {
        started_.find<QToolButton>("btnMM")->click();
        TypeInto(started_.find<QLineEdit>("edNominal"), QStringLiteral("1"));
        QCOMPARE(started_.window->model().NominalSize, 25.4);
        QCOMPARE(started_.value("drgrDanni", 10, 0), QStringLiteral("1 H7/g6"));
        started_.find<QToolButton>("btnMM")->click();
        QCOMPARE(started_.find<QLineEdit>("edNominal")->text(), QStringLiteral("25.4"));
    }

    void languagesChangeCaptionsAndGrids() {
        QAction* german = started_.window->findChild<QAction*>(QStringLiteral("mnLang2"));
        QVERIFY(german != nullptr);
        QCOMPARE(german->text(), QStringLiteral("Deutsch"));
        german->trigger();
        QCOMPARE(started_.window->windowTitle(), QStringLiteral("KELVO Toleranzen und Lehren"));
        QCOMPARE(started_.caption("drgrDanni", 0, 0), QStringLiteral(" Bohrung"));
        QCOMPARE(started_.find<QTabWidget>("PageControl1")->tabText(0),
                 QStringLiteral("Werkstück"));
        QCOMPARE(WithoutMnemonic(started_.find<QMenu>("N1")->title()),
                 QStringLiteral("Bearbeiten"));
        QCOMPARE(started_.find<QToolButton>("btnCalk")->toolTip(), QStringLiteral("Berechnen"));
        QCOMPARE(started_.find<QComboBox>("cbPart")->itemText(4), QStringLiteral("alle"));
        QCOMPARE(started_.find<QLabel>("lblNote")->text(),
                 QStringLiteral("Werte und Toleranzen in [mm]."));

        started_.window->findChild<QAction*>(QStringLiteral("mnLang1"))->trigger();
        QCOMPARE(started_.window->windowTitle(), QStringLiteral("KELVO Допуски и калибри"));
        QCOMPARE(started_.caption("drgrDanni", 0, 0), QStringLiteral("Отвор"));
        QCOMPARE(started_.window->findChild<QAction*>(QStringLiteral("N9"))->text().remove('&'),
                 QStringLiteral("Информация"));
        // The language commands keep their own names.
        QCOMPARE(started_.window->findChild<QAction*>(QStringLiteral("mnLang1"))->text(),
                 QStringLiteral("Български"));
    }

    void languageKeepsNonStandardResults() {
        Choose(started_.find<QComboBox>("cbMetodi"), 2);
        started_.window->findChild<QAction*>(QStringLiteral("mnLang2"))->trigger();
        QCOMPARE(started_.find<QComboBox>("cbMetodi")->currentIndex(), 2);
        QCOMPARE(started_.value("drgrDanni", 11, 0), QStringLiteral(" Spielpassung"));
        QCOMPARE(started_.caption("drgrDanni", 12, 0), QStringLiteral(" Max. Spiel"));
        QCOMPARE(started_.value("drgrDanni", 10, 0), QStringLiteral("(nicht genormt)"));
        QCOMPARE(started_.value("drgrDanni", 4, 0), QStringLiteral("0.0150"));
    }

    void nominalFieldClampsWhenItLosesFocus() {
        started_.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(started_.window.get()));
        auto* nominal = started_.find<QLineEdit>("edNominal");
        TypeInto(nominal, QStringLiteral("20000"));
        QCOMPARE(started_.window->model().NominalSize, 20000.0);
        QCOMPARE(started_.value("drgrDanni", 2, 0), QStringLiteral("N"));
        started_.find<QComboBox>("cbLetter_o")->setFocus();
        QCOMPARE(nominal->text(), QStringLiteral("10000"));
        QCOMPARE(started_.window->model().NominalSize, 10000.0);
    }

    void holeClassPickListLoadsTheClass() {
        started_.find<QToolButton>("BitBtn1")->click();
        auto* list = started_.window->findChild<ClassPickList*>(QStringLiteral("cbOtvori"));
        QVERIFY(list != nullptr && list->isVisible());
        QCOMPARE(list->count(), 201);
        const QList<QListWidgetItem*> h7 = list->findItems(QStringLiteral("H7"), Qt::MatchExactly);
        QVERIFY(h7.front()->font().bold());
        QVERIFY(!list->findItems(QStringLiteral("H6"), Qt::MatchExactly).front()->font().bold());
        QListWidgetItem* ef10 = list->findItems(QStringLiteral("EF10"), Qt::MatchExactly).front();
        list->scrollToItem(ef10);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(ef10).center());
        QVERIFY(!list->isVisible());
        QCOMPARE(started_.find<QComboBox>("cbLetter_o")->currentText(), QStringLiteral("EF"));
        QCOMPARE(started_.find<QComboBox>("cbIT_o")->currentText(), QStringLiteral("10"));
        QCOMPARE(started_.caption("drgrDanni", 1, 0), QStringLiteral("10 EF10"));
    }

    void copyPutsTheReportOnTheClipboard() {
        QGuiApplication::clipboard()->clear();
        started_.find<QToolButton>("btnCopy")->click();
        const QString report = QGuiApplication::clipboard()->text();
        QVERIFY(report.contains(QStringLiteral("0.0150")));
        QVERIFY(report.contains(QStringLiteral("H7")));
        QVERIFY(report.contains(QLatin1Char('\t')));
    }

    void f1OpensTheHelpOfTheLanguage() {
        QCOMPARE(TfrmZuzivOdi::helpTopic(2), QStringLiteral("ZuzivOdi_DE.chm::/ZUZIVODIDE.htm"));
        QTest::keyClick(started_.window.get(), Qt::Key_F1);
        HelpWindow* help = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* candidate = qobject_cast<HelpWindow*>(widget);
                candidate && candidate->isVisible()) {
                help = candidate;
            }
        }
        QVERIFY(help != nullptr);
        QVERIFY(help->currentPage().toString().contains(QStringLiteral("ZUZIVODIEN")));
        help->close();
    }

    void repeatedClassChangesEndOnTheLastClass() {
        CellGridWidget* grid = started_.grid("drgrDanni");
        auto* letter = started_.find<QComboBox>("cbLetter_o");
        for (int change = 0; change < 20; ++change) {
            Choose(letter, change % 2 == 0 ? QStringLiteral("G") : QStringLiteral("H"));
            grid->repaint();
        }
        QCOMPARE(started_.caption("drgrDanni", 1, 0), QStringLiteral("10 H7"));
    }

  private:
    ModalWatchdog watchdog_;
    StartedWindow started_;
};

KELVO_WINDOW_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
