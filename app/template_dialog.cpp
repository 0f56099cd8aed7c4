#include "app/template_dialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/print_services.h"
#include "app/qt_text.h"
#include "output/template_engine.h"

namespace kelvo {

namespace {

constexpr int kRowHeightPx = 17;

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

std::filesystem::path PathOf(const QString& text) {
    return std::filesystem::path(text.toStdU16String());
}

QPushButton* NamedButton(const char* name, const QString& caption, const QString& hint) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TemplateDialog::TemplateDialog(std::vector<PrintListEntry> entries, int defaultIndex,
                               std::filesystem::path programFolder, const QStringList& texts,
                               Services services, QWidget* parent)
    : QDialog(parent),
      entries_(std::move(entries)),
      defaultIndex_(defaultIndex >= 0 && defaultIndex < static_cast<int>(entries_.size())
                        ? defaultIndex
                        : -1),
      programFolder_(std::move(programFolder)),
      services_(std::move(services)) {
    setObjectName(QStringLiteral("frmPrintList"));
    createControls(texts);
    refreshList();
    select(entries_.empty() ? -1 : std::max(defaultIndex_, 0));
}

void TemplateDialog::createControls(const QStringList& texts) {
    const auto text = [&texts](int slot) { return texts.value(slot - 1); };
    setWindowTitle(text(4));
    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("lbTemplates"));
    list_->setUniformItemSizes(true);
    edName_ = new QLineEdit;
    edName_->setObjectName(QStringLiteral("edName"));
    edFile_ = new QLineEdit;
    edFile_->setObjectName(QStringLiteral("edFile"));
    // The file is chosen with the button beside it; what is typed here changes no entry.
    edFile_->setReadOnly(true);
    btnAdd_ = NamedButton("btnAdd", QStringLiteral("+"), text(5));
    btnDelete_ = NamedButton("btnDelete", QStringLiteral("-"), text(6));
    btnDefault_ = NamedButton("btnDefault", QStringLiteral("*"), text(7));
    btnEdit_ = NamedButton("btnEdit", QStringLiteral("\u270E"), text(8));
    btnFile_ = new QToolButton;
    btnFile_->setObjectName(QStringLiteral("btnFile"));
    btnFile_->setText(QStringLiteral("..."));
    btnFile_->setToolTip(text(9));
    btnOk_ = NamedButton("btnOK", text(12), QString());
    btnOk_->setDefault(true);
    btnCancel_ = NamedButton("btnCancel", text(13), QString());
    btnHelp_ = NamedButton("btnHelp", QStringLiteral("?"), QString());
    btnHelp_->setEnabled(static_cast<bool>(services_.help));

    auto* tools = new QHBoxLayout;
    for (QPushButton* button : {btnAdd_, btnDelete_, btnDefault_, btnEdit_}) {
        tools->addWidget(button);
    }
    tools->addStretch();
    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(text(10)), 0, 0);
    fields->addWidget(edName_, 0, 1, 1, 2);
    fields->addWidget(new QLabel(text(11)), 1, 0);
    fields->addWidget(edFile_, 1, 1);
    fields->addWidget(btnFile_, 1, 2);
    auto* closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(btnOk_);
    closing->addWidget(btnCancel_);
    closing->addWidget(btnHelp_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(tools);
    column->addWidget(list_);
    column->addLayout(fields);
    column->addLayout(closing);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row != selected_) {
            select(row);
        }
    });
    connect(edName_, &QLineEdit::textEdited, this, [this](const QString& name) {
        if (selected_ >= 0) {
            entries_[selected_].Name = ToUtf8(name);
            list_->item(selected_)->setText(name);
        }
    });
    connect(btnAdd_, &QPushButton::clicked, this, &TemplateDialog::addTemplates);
    connect(btnDelete_, &QPushButton::clicked, this, &TemplateDialog::deleteSelected);
    connect(btnDefault_, &QPushButton::clicked, this, &TemplateDialog::markDefault);
    connect(btnEdit_, &QPushButton::clicked, this, &TemplateDialog::editSelected);
    connect(btnFile_, &QToolButton::clicked, this, &TemplateDialog::chooseFile);
    connect(btnOk_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp_, &QPushButton::clicked, this, [this] {
        if (services_.help) {
            services_.help();
        }
    });
}

void TemplateDialog::refreshList() {
    const QSignalBlocker block(list_);
    list_->clear();
    for (std::size_t index = 0; index < entries_.size(); ++index) {
        auto* item = new QListWidgetItem(ToQString(entries_[index].Name), list_);
        item->setSizeHint(QSize(0, kRowHeightPx));
        QFont font = list_->font();
        font.setBold(static_cast<int>(index) == defaultIndex_);
        item->setFont(font);
    }
    list_->setCurrentRow(selected_);
}

void TemplateDialog::select(int index) {
    selected_ = index >= 0 && index < static_cast<int>(entries_.size()) ? index : -1;
    {
        const QSignalBlocker block(list_);
        list_->setCurrentRow(selected_);
    }
    showSelected();
}

void TemplateDialog::showSelected() {
    const bool hasEntry = selected_ >= 0;
    edName_->setText(hasEntry ? ToQString(entries_[selected_].Name) : QString());
    edFile_->setText(hasEntry ? ToQString(entries_[selected_].TemplatePath) : QString());
    const bool enabled = !edFile_->text().isEmpty();
    for (QWidget* control : std::initializer_list<QWidget*>{btnDelete_, btnDefault_, btnEdit_,
                                                            btnFile_, edName_, edFile_}) {
        control->setEnabled(enabled);
    }
}

void TemplateDialog::addTemplates() {
    const QStringList files = services_.chooser.chooseFiles(this, PathText(programFolder_), true);
    for (const QString& file : files) {
        entries_.push_back(
            {ToUtf8(QFileInfo(file).fileName()), CollapseKelvoMacro(PathOf(file), programFolder_)});
    }
    if (!files.isEmpty()) {
        selected_ = static_cast<int>(entries_.size()) - 1;
        refreshList();
        showSelected();
    }
}

void TemplateDialog::deleteSelected() {
    if (selected_ < 0) {
        return;
    }
    entries_.erase(entries_.begin() + selected_);
    if (defaultIndex_ == selected_) {
        defaultIndex_ = -1;
    } else if (defaultIndex_ > selected_) {
        --defaultIndex_;
    }
    selected_ = std::min(selected_, static_cast<int>(entries_.size()) - 1);
    refreshList();
    showSelected();
}

void TemplateDialog::markDefault() {
    if (selected_ >= 0) {
        defaultIndex_ = selected_;
        refreshList();
    }
}

void TemplateDialog::editSelected() {
    if (selected_ < 0) {
        return;
    }
    const std::filesystem::path file =
        ExpandKelvoMacro(entries_[selected_].TemplatePath, programFolder_);
    if (!services_.opener.Open(file)) {
        QString text =
            QStringLiteral("The template \"%1\" could not be opened with its application.")
                .arg(PathText(file));
        if (const std::string reason = services_.opener.LastError(); !reason.empty()) {
            text += QLatin1Char(' ') + ToQString(reason);
        }
        QMessageBox::critical(this, ToQString(kExceptionCaption), text);
    }
}

void TemplateDialog::chooseFile() {
    if (selected_ < 0) {
        return;
    }
    const QStringList files = services_.chooser.chooseFiles(this, PathText(programFolder_), false);
    if (!files.isEmpty()) {
        entries_[selected_].TemplatePath =
            CollapseKelvoMacro(PathOf(files.first()), programFolder_);
        showSelected();
    }
}

}  // namespace kelvo
