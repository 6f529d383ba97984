// A user at a dialog: finds its controls by object name, and types and presses keys into
// whatever has the focus at that moment, as a keyboard does. A test's fixture derives from
// it and meets its dialog once the dialog is built.
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace torvik::test {

class DialogUser {
  public:
    // Shows the dialog and waits until it is the active window.
    void meet(QWidget* dialog) {
        dialog_ = dialog;
        dialog->show();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
    }

    template <class T>
    T* get(const char* name) const {
        T* w = dialog_->findChild<T*>(name);
        if (!w) qFatal("no control %s", name);
        return w;
    }
    QLineEdit* text(const char* name) const { return get<QLineEdit>(name); }
    QComboBox* combo(const char* name) const { return get<QComboBox>(name); }
    QCheckBox* check(const char* name) const { return get<QCheckBox>(name); }

    QWidget* focus() const { return QApplication::focusWidget(); }
    QString focusName() const { return focus() ? focus()->objectName() : QString(); }
    void type(const QString& keys) const {
        for (QChar c : keys) QTest::keyClick(focus(), c.toLatin1());
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) const {
        QTest::keyClick(focus(), k, m);
    }
    void clickButton(const char* name) const {
        QTest::mouseClick(get<QPushButton>(name), Qt::LeftButton);
    }

  private:
    QWidget* dialog_ = nullptr;
};

// Works the next modal dialog of type `Dialog` once it is up and active (focus moves only
// inside the active window).
template <class Dialog>
void OnModal(std::function<void(Dialog*)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isActiveWindow()) return;
        poll->stop();
        poll->deleteLater();
        act(dialog);
    });
    poll->start(5);
}

}  // namespace torvik::test
