// What the editor tests share: the shipped language texts, a document over a codeplug of the
// test's own, and a user's way of working a dialog (choosing list entries with the keyboard,
// clicking, typing into the focused box).
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/language_texts.h"
#include "document/codeplug_document.h"
#include "storage/new_codeplug.h"

namespace torvik::test {

inline LanguageTexts ShippedTexts(Language language) {
    const char* file = language == Language::Chinese ? "chinese.ini" : "english.ini";
    return LanguageTexts::Load(std::filesystem::path(TORVIK_DATA_DIR) / "language" / file,
                               language);
}

inline Codeplug NewTestCodeplug() {
    Codeplug c;
    NewCodeplug(c, {});
    return c;
}

// The texts of a list's entries, in order.
inline QStringList Items(const QComboBox* combo) {
    QStringList list;
    for (int i = 0; i < combo->count(); ++i) list << combo->itemText(i);
    return list;
}

// Used channels with these numbers, appended to the table.
inline void AddChannels(ChannelTable& table, std::initializer_list<int> numbers) {
    for (const int number : numbers) {
        ChannelRecord r = NewChannelRecord(number);
        r.Used = 1;
        r.RxFreq = FixedText<9>::Raw("014500000");
        *AppendChannel(table) = r;
    }
}

// Shows a dialog as the user meets it and works its controls by name.
template <class Dialog>
struct Shown {
    template <class... Args>
    explicit Shown(Args&&... args) : dialog(std::forward<Args>(args)...) {
        dialog.show();
        dialog.activateWindow();
        if (!QTest::qWaitForWindowActive(&dialog)) qWarning("dialog not active");
    }
    // With TORVIK_GRAB_DIR set, each dialog leaves a picture of itself there, to look at.
    ~Shown() {
        const QString dir = qEnvironmentVariable("TORVIK_GRAB_DIR");
        if (dir.isEmpty() || !dialog.isVisible()) return;
        dialog.grab().save(dir + "/" + dialog.objectName() + "-" +
                           QString::fromLatin1(QTest::currentTestFunction()) + ".png");
    }
    template <class T>
    T* get(const QString& name) {
        T* w = dialog.template findChild<T*>(name);
        if (!w) qFatal("no control %s", qPrintable(name));
        return w;
    }
    QComboBox* combo(const QString& name) { return get<QComboBox>(name); }
    QLineEdit* text(const QString& name) { return get<QLineEdit>(name); }
    QCheckBox* check(const QString& name) { return get<QCheckBox>(name); }

    // Chooses the entry at `position` with the keyboard, as a user does on a closed list.
    void choose(QComboBox* combo, int position) {
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < position; ++i) QTest::keyClick(combo, Qt::Key_Down);
    }
    void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {},
                          QPoint(button->height() / 2, button->height() / 2));
    }
    // Types into whatever has the focus, key by key.
    void type(const QString& keys) {
        for (QChar c : keys) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    void ok() { QTest::mouseClick(get<QPushButton>("CommandOK"), Qt::LeftButton); }
    void cancel() { QTest::mouseClick(get<QPushButton>("CommandCancel"), Qt::LeftButton); }

    Dialog dialog;
};

}  // namespace torvik::test
