// The side panels: the standard fits list and the fit design search, opened from their buttons.

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>

#include "app/control_texts.h"
#include "app/design_panel.h"
#include "app/program.h"
#include "app_test_fixture.h"

using namespace kelvo;
using namespace kelvo::testing;

class SidePanelsTest : public QObject {
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

    void standardFitClickedLoadsIt() {
        TypeInto(started_.find<QLineEdit>("edNominal"), QStringLiteral("40"));
        const int narrowWidth = started_.window->width();
        auto* button = started_.find<QPushButton>("bbnSglobka");
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(started_.find<QStackedWidget>("PageControl2")->isVisible());
        QCOMPARE(WithoutMnemonic(button->text()), QStringLiteral("Stand. fits <<"));
        QVERIFY(!started_.find<QPushButton>("bbnDesign")->isEnabled());
        QVERIFY(!started_.find<QComboBox>("cbMetodi")->isEnabled());
        QTest::qWait(0);
        QVERIFY(started_.window->width() > narrowWidth);

        Choose(started_.find<QComboBox>("cbType"), 1);  // transition
        auto* list = started_.find<QListWidget>("lbSgl_sel");
        QCOMPARE(list->count(), 19);
        QCOMPARE(list->item(0)->text(), QStringLiteral(" H5/js4"));
        QCOMPARE(list->item(18)->text(), QStringLiteral(" H8/r7"));
        QStringList bold;
        for (int row = 0; row < list->count(); ++row) {
            if (list->item(row)->font().bold()) {
                bold << list->item(row)->text();
            }
        }
        QCOMPARE(bold, (QStringList{" H7/js6", " H7/k6", " H7/n6"}));

        QListWidgetItem* fit = list->findItems(QStringLiteral(" H7/js6"), Qt::MatchExactly).front();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(fit).center());
        QCOMPARE(started_.find<QComboBox>("cbLetter_v")->currentText(), QStringLiteral("js"));
        QCOMPARE(started_.find<QComboBox>("cbIT_v")->currentText(), QStringLiteral("6"));
        QCOMPARE(started_.value("drgrDanni", 10, 0), QStringLiteral("40 H7/js6"));

        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!started_.find<QStackedWidget>("PageControl2")->isVisible());
        QCOMPARE(WithoutMnemonic(button->text()), QStringLiteral("Stand. fits >>"));
        QVERIFY(started_.find<QComboBox>("cbMetodi")->isEnabled());
    }

    void designSearchFromThePanelLoadsTheBestFit() {
        TypeInto(started_.find<QLineEdit>("edNominal"), QStringLiteral("40"));
        QTest::mouseClick(started_.find<QPushButton>("bbnDesign"), Qt::LeftButton);
        auto* panel = started_.window->designPanel();
        QVERIFY(panel->isVisible());
        QVERIFY(!started_.find<QPushButton>("bbnSglobka")->isEnabled());
        QCOMPARE(started_.find<QComboBox>("cbDVon")->currentText(), QStringLiteral("5"));
        QCOMPARE(started_.find<QComboBox>("cbDBis")->currentText(), QStringLiteral("12"));
        TypeInto(started_.find<QLineEdit>("edMaxV"), QStringLiteral("0.05"));
        TypeInto(started_.find<QLineEdit>("edMinV"), QStringLiteral("0.02"));
        QTest::mouseClick(started_.find<QPushButton>("btnShow"), Qt::LeftButton);

        const MainWindowModel& model = started_.window->model();
        QVERIFY(model.DesignResults.size() > 10);
        QCOMPARE(panel->state().ShownResults, std::size_t{10});
        for (std::size_t index = 1; index < model.DesignResults.size(); ++index) {
            QVERIFY(model.DesignResults[index - 1].Score <=
                    model.DesignResults[index].Score + 1e-9);
        }
        // The best fit is loaded into the window, and the grid lists it first.
        const QString best = QString::fromStdString(model.DesignResults.front().Name);
        QCOMPARE(QString::fromStdString(panel->resultGrid()->cellAt(1, 0).Caption), best);
        QCOMPARE(started_.value("drgrDanni", 10, 0), QStringLiteral("40 ") + best);
        QCOMPARE(started_.value("drgrDanni", 11, 0), QStringLiteral("Clearance fit"));
        QCOMPARE(panel->resultGrid()->rowCount(), 11);

        // A click on the third result loads that one.
        CellGridWidget* grid = panel->resultGrid();
        const QString third = QString::fromStdString(grid->cellAt(3, 0).Caption);
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(3, 0).center());
        QCOMPARE(grid->highlightedRow(), 3);
        QCOMPARE(started_.value("drgrDanni", 10, 0), QStringLiteral("40 ") + third);
        // Down steps to the next result and loads it.
        const QString fourth = QString::fromStdString(grid->cellAt(4, 0).Caption);
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(grid->highlightedRow(), 4);
        QCOMPARE(started_.value("drgrDanni", 10, 0), QStringLiteral("40 ") + fourth);
    }

    void designLimitsInWrongOrderShowMessage61() {
        QTest::mouseClick(started_.find<QPushButton>("bbnDesign"), Qt::LeftButton);
        Choose(started_.find<QComboBox>("cbDType"), 2);  // interference
        QCOMPARE(started_.find<QLineEdit>("edMaxV")->text(), QStringLiteral("0"));
        TypeInto(started_.find<QLineEdit>("edMaxV"), QStringLiteral("0.02"));
        TypeInto(started_.find<QLineEdit>("edMinV"), QStringLiteral("0.05"));
        QTest::mouseClick(started_.find<QPushButton>("btnShow"), Qt::LeftButton);
        QCOMPARE(watchdog_.takeTexts(),
                 QStringList{QStringLiteral(
                     "Upper limit of size has to be greater than lower limit of size!")});
        // The signs were normalised into the fields before the check.
        QCOMPARE(started_.find<QLineEdit>("edMaxV")->text(), QStringLiteral("-0.02"));
        QCOMPARE(started_.find<QLineEdit>("edMinV")->text(), QStringLiteral("-0.05"));
        QVERIFY(started_.window->model().DesignResults.empty());
    }

  private:
    ModalWatchdog watchdog_;
    StartedWindow started_;
};

KELVO_WINDOW_TEST_MAIN(SidePanelsTest)
#include "side_panels_test.moc"
