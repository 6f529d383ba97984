// Working dialogs as a user does, in every widget test: a user at a shown dialog who finds its
// controls by object name and clicks, chooses and types into whatever has the focus; a dialog
// of a test's own shown that way; and the ways to act on a modal dialog that a command or an
// editor runs in its own event loop.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <functional>
#include <utility>

namespace torvik::test {

// The texts of a list's entries, in order.
inline QStringList Items(const QComboBox* combo) {
    QStringList list;
    for (int i = 0; i < combo->count(); ++i) list << combo->itemText(i);
    return list;
}

// A user at a dialog: finds its controls by object name, and types and presses keys into
// whatever has the focus at that moment, as a keyboard does. A test's fixture derives from
// it and meets its dialog once the dialog is built; a dialog that is already up (a modal one)
// is met with `attach`.
class DialogUser {
  public:
    // Shows the dialog and waits until it is the active window.
    void meet(QWidget* dialog) {
        dialog_ = dialog;
        dialog->show();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
    }
    void attach(QWidget* dialog) { dialog_ = dialog; }
    QWidget* window() const { return dialog_; }

    template <class T>
    T* get(const QString& name) const {
        T* w = dialog_->findChild<T*>(name);
        if (!w) qFatal("no control %s", qPrintable(name));
        return w;
    }
    QLineEdit* text(const QString& name) const { return get<QLineEdit>(name); }
    QComboBox* combo(const QString& name) const { return get<QComboBox>(name); }
    QCheckBox* check(const QString& name) const { return get<QCheckBox>(name); }

    QWidget* focus() const { return QApplication::focusWidget(); }
    QString focusName() const { return focus() ? focus()->objectName() : QString(); }
    void type(const QString& keys) const {
        for (QChar c : keys) QTest::keyClick(focus(), c.toLatin1());
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) const {
        QTest::keyClick(focus(), k, m);
    }

    // Chooses the entry at `position` with the keyboard, as a user does on a closed list.
    void choose(QComboBox* combo, int position) const {
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < position; ++i) QTest::keyClick(combo, Qt::Key_Down);
    }
    // A click on a button's left end: on a check box's box, wherever the layout has
    // stretched the check box to.
    void click(QAbstractButton* button) const {
        QTest::mouseClick(button, Qt::LeftButton, {},
                          QPoint(button->height() / 2, button->height() / 2));
    }
    // Clicks a cell of a table, scrolled into view first.
    void clickCell(QAbstractItemView* table, int row, int column) const {
        const QModelIndex index = table->model()->index(row, column);
        table->scrollTo(index);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(index).center());
    }
    void clickTab(QTabWidget* tabs, int tab) const {
        QTabBar* bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    }
    void clickButton(const QString& name) const {
        QTest::mouseClick(get<QPushButton>(name), Qt::LeftButton);
    }
    void ok() const { clickButton("CommandOK"); }
    void cancel() const { clickButton("CommandCancel"); }

  private:
    QWidget* dialog_ = nullptr;
};

// A dialog of the test's own, built from `args`, shown as the user meets it.
template <class Dialog>
struct Shown : DialogUser {
    template <class... Args>
    explicit Shown(Args&&... args) : dialog(std::forward<Args>(args)...) {
        meet(&dialog);
    }
    // With TORVIK_GRAB_DIR set, each dialog leaves a picture of itself there, to look at.
    ~Shown() {
        const QString dir = qEnvironmentVariable("TORVIK_GRAB_DIR");
        if (dir.isEmpty() || !dialog.isVisible()) return;
        dialog.grab().save(dir + "/" + dialog.objectName() + "-" +
                           QString::fromLatin1(QTest::currentTestFunction()) + ".png");
    }

    Dialog dialog;
};

// Works the next modal dialog of type `Dialog` once it is up and active (focus moves only
// inside the active window). The watch it returns ends by itself once it acted; a test whose
// dialog never came deletes it.
template <class Dialog>
QPointer<QTimer> OnModal(std::function<void(Dialog*)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isActiveWindow()) return;
        poll->stop();
        poll->deleteLater();
        act(dialog);
    });
    poll->start(5);
    return poll;
}

// Answers the modal windows a command opens, in order: message boxes by button, other
// dialogs by a scripted action. Windows that are not scripted (the progress window) are
// left alone; every message box text is recorded. The newest driver is the one that acts.
class ModalDriver : public QObject {
  public:
    ModalDriver() : previous_(current()) {
        current() = this;
        connect(&timer_, &QTimer::timeout, this, &ModalDriver::tick);
        timer_.start(5);
    }
    ~ModalDriver() override { current() = previous_; }

    // The next message box is answered with `button`.
    ModalDriver& box(QMessageBox::StandardButton button) {
        steps_.push_back({QString(), [button](QWidget* w) {
                              static_cast<QMessageBox*>(w)->button(button)->click();
                          }});
        return *this;
    }
    // The next window of this object name is handed to `act`.
    ModalDriver& dialog(const QString& objectName, std::function<void(QWidget*)> act) {
        steps_.push_back({objectName, std::move(act)});
        return *this;
    }

    bool done() const { return steps_.empty(); }
    QStringList texts;
    QStringList unexpected;

  private:
    struct Step {
        QString name;  // empty: a message box
        std::function<void(QWidget*)> act;
    };

    static ModalDriver*& current() {
        static ModalDriver* driver = nullptr;
        return driver;
    }

    void tick() {
        QWidget* w = QApplication::activeModalWidget();
        if (current() != this || !w || !w->isVisible() || w == handled_) return;
        auto* box = qobject_cast<QMessageBox*>(w);
        if (box && (steps_.empty() || !steps_.front().name.isEmpty())) {
            // Not in the script: noted, and closed as Escape would close it.
            texts << box->text();
            unexpected << box->text();
            handled_ = w;
            QTimer::singleShot(0, box, &QMessageBox::reject);
            return;
        }
        if (steps_.empty()) return;
        const Step& next = steps_.front();
        if (box ? !next.name.isEmpty() : next.name != w->objectName()) return;
        if (box) texts << box->text();
        const Step step = next;
        steps_.pop_front();
        // Acting may open another modal window; its loop must not run inside this tick.
        handled_ = w;
        QTimer::singleShot(0, w, [act = step.act, w] { act(w); });
    }

    ModalDriver* previous_;
    std::deque<Step> steps_;
    QPointer<QWidget> handled_;
    QTimer timer_;
};

}  // namespace torvik::test
