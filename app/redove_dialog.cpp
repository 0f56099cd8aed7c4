#include "app/redove_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/qt_text.h"

namespace kelvo {

TfrmRedove::TfrmRedove(char decimalSeparator, QWidget* parent)
    : QDialog(parent), picker_(decimalSeparator) {
    setObjectName(QStringLiteral("frmRedove"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    seriesLabel_ = new QLabel(this);
    cbRedove = new QComboBox(this);
    cbRedove->setObjectName(QStringLiteral("cbRedove"));
    cbRedove->setMinimumContentsLength(8);
    seriesLabel_->setBuddy(cbRedove);
    btnSelect = new QToolButton(this);
    btnSelect->setObjectName(QStringLiteral("btnSelect"));
    btnSelect->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    btnSelect->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    btnCancel = new QToolButton(this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    btnCancel->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    table = new QTableWidget(0, PreferredNumbersPicker::kColumnCount, this);
    table->setObjectName(QStringLiteral("grRedove"));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectItems);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    QStringList headers;
    for (std::string_view header : PreferredNumbersPicker::ColumnHeaders()) {
        headers << ToQString(header);
    }
    table->setHorizontalHeaderLabels(headers);

    auto* bar = new QHBoxLayout;
    bar->addWidget(seriesLabel_);
    bar->addWidget(cbRedove);
    bar->addStretch();
    bar->addWidget(btnSelect);
    bar->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(table);
    resize(440, 380);

    applyTexts();
    fillTable();

    connect(cbRedove, &QComboBox::currentIndexChanged, this, &TfrmRedove::seriesChanged);
    connect(table, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { picker_.SetCurrentCell(row, column); });
    connect(table, &QTableWidget::cellDoubleClicked, this, [this] { select(); });
    connect(btnSelect, &QToolButton::clicked, this, &TfrmRedove::select);
    connect(btnCancel, &QToolButton::clicked, this, [this] {
        picker_.Cancel();
        reject();
    });
}

void TfrmRedove::applyTexts() {
    setWindowTitle(LangQ(PreferredNumbersPicker::kTitleKey).trimmed());
    seriesLabel_->setText(LangQ(PreferredNumbersPicker::kSeriesLabelKey).trimmed());
    btnSelect->setText(LangQ(PreferredNumbersPicker::kSelectHintKey).trimmed());
    btnSelect->setToolTip(btnSelect->text());
    btnCancel->setText(LangQ(PreferredNumbersPicker::kCancelHintKey).trimmed());
    btnCancel->setToolTip(btnCancel->text());
    const QSignalBlocker quiet(cbRedove);
    cbRedove->clear();
    for (const std::string& item : PreferredNumbersPicker::SeriesItems()) {
        cbRedove->addItem(ToQString(item));
    }
    cbRedove->setCurrentIndex(picker_.SeriesIndex());
}

void TfrmRedove::fillTable() {
    const QSignalBlocker quiet(table);
    table->clearContents();
    table->setRowCount(picker_.RowCount());
    for (int row = 0; row < picker_.RowCount(); ++row) {
        for (int column = 0; column < PreferredNumbersPicker::kColumnCount; ++column) {
            auto* cell = new QTableWidgetItem(ToQString(picker_.Rows()[row][column]));
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column, cell);
        }
    }
    table->setCurrentCell(picker_.CurrentRow(), picker_.CurrentColumn());
    table->scrollToTop();
}

void TfrmRedove::seriesChanged(int index) {
    picker_.SelectSeries(index);
    fillTable();
}

void TfrmRedove::select() {
    picker_.Select();
    if (picker_.ChosenValueMm() > 0) {
        accept();
    } else {
        reject();
    }
}

void TfrmRedove::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        select();
        return;
    }
    QDialog::keyPressEvent(event);
}

double TfrmRedove::pickNumber(QWidget* parent, char decimalSeparator) {
    TfrmRedove window(decimalSeparator, parent);
    window.exec();
    return window.chosenValueMm();
}

}  // namespace kelvo
