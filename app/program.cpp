#include "app/program.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "app/main_window.h"
#include "app/qt_text.h"
#include "model/startup.h"

namespace kelvo {

void ShowStartError() {
    QMessageBox box(QMessageBox::Critical, ToQString(kStartErrorCaption),
                    ToQString(kNoRegistryAccessText), QMessageBox::Ok);
    box.setObjectName(QStringLiteral("StartErrorBox"));
    box.exec();
}

std::unique_ptr<TfrmZuzivOdi> StartMainWindow(SettingsStore& store,
                                              const std::function<void()>& showError) {
    if (!StartProcess(store)) {
        showError();
        return nullptr;
    }
    return std::make_unique<TfrmZuzivOdi>(store);
}

void SetProgramNames() {
    QCoreApplication::setOrganizationName(QStringLiteral("Kelvo"));
    QCoreApplication::setApplicationName(QStringLiteral("zuzivodi"));
}

}  // namespace kelvo
