#include "app/control_texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QWidget>

#include "app/qt_text.h"
#include "i18n/window_texts.h"

namespace kelvo {

namespace {

void SetCaption(QWidget* window, QObject* target, const QString& text) {
    if (target == window) {
        window->setWindowTitle(text);
    } else if (auto* action = qobject_cast<QAction*>(target)) {
        action->setText(text.trimmed());
    } else if (auto* menu = qobject_cast<QMenu*>(target)) {
        menu->setTitle(text.trimmed());
    } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        button->setText(text.trimmed());
    } else if (auto* label = qobject_cast<QLabel*>(target)) {
        label->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(target)) {
        group->setTitle(text.trimmed());
    } else if (auto* page = qobject_cast<QWidget*>(target)) {
        // A tab page: its caption is the tab's text.
        for (QWidget* parent = page->parentWidget(); parent != nullptr;
             parent = parent->parentWidget()) {
            if (auto* tabs = qobject_cast<QTabWidget*>(parent)) {
                const int index = tabs->indexOf(page);
                if (index >= 0) {
                    tabs->setTabText(index, text.trimmed());
                }
                break;
            }
        }
    }
}

void SetHint(QObject* target, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(target)) {
        action->setToolTip(text.trimmed());
    } else if (auto* widget = qobject_cast<QWidget*>(target)) {
        widget->setToolTip(text.trimmed());
    }
}

}  // namespace

void ApplyControlTexts(QWidget* window) {
    for (const ControlText& entry : MainWindowControlTexts()) {
        const QString name = ToQString(entry.control);
        QObject* target = window->objectName() == name ? window : window->findChild<QObject*>(name);
        if (target == nullptr) {
            continue;
        }
        const QString text = ToQString(ComposeText(entry));
        if (entry.property == TextProperty::Hint) {
            SetHint(target, text);
        } else {
            SetCaption(window, target, text);
        }
    }
}

QString WithMnemonic(const QString& text, QSet<QChar>& used) {
    QString escaped = text;
    escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
    for (qsizetype index = 0; index < escaped.size(); ++index) {
        const QChar letter = escaped.at(index).toLower();
        if (escaped.at(index).isLetter() && !used.contains(letter)) {
            used.insert(letter);
            escaped.insert(index, QLatin1Char('&'));
            return escaped;
        }
    }
    return escaped;
}

QString WithoutMnemonic(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

}  // namespace kelvo
