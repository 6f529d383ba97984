// The progress window: its texts in both languages, and Cancel and Escape asking the
// connection to stop once, without closing the window themselves.
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "support/data_texts.h"
#include "ui/progress_dialog.h"

using namespace torvik;

class ProgressDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void stopAsked_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<bool>("escape");
        QTest::newRow("English, button") << int(Language::English) << "Cancel" << false;
        QTest::newRow("English, Escape") << int(Language::English) << "Cancel" << true;
        QTest::newRow("Chinese, button") << int(Language::Chinese) << "取消" << false;
    }
    void stopAsked() {
        QFETCH(int, language);
        QFETCH(QString, cancel);
        QFETCH(bool, escape);
        const LanguageTexts texts = test::DataTexts(static_cast<Language>(language));
        QWidget parent;
        parent.show();
        ProgressDialog progress(&parent);
        QSignalSpy stop(&progress, &ProgressDialog::cancelRequested);
        progress.start(
            language == int(Language::Chinese) ? "从对讲机读取数据" : "Read data from radio",
            texts);
        progress.setProgressValue(37);
        QCOMPARE(progress.cancelButton()->text(), cancel);
        QCOMPARE(progress.cancelButton()->accessibleName(), cancel);
        if (const QString dir = qEnvironmentVariable("TORVIK_GRAB_DIR"); !dir.isEmpty()) {
            progress.grab().save(dir + QString("/progress_%1.png").arg(language));
        }
        for (int i = 0; i < 2; ++i) {
            if (escape) {
                QTest::keyClick(&progress, Qt::Key_Escape);
            } else {
                QTest::mouseClick(progress.cancelButton(), Qt::LeftButton);
            }
        }
        QCOMPARE(stop.count(), 1);
        QVERIFY(progress.isVisible());  // the connection closes it once it has stopped
        QVERIFY(!progress.cancelButton()->isEnabled());
        progress.finish();
        QVERIFY(!progress.isVisible());
    }
};

QTEST_MAIN(ProgressDialogTest)
#include "test_progress_dialog.moc"
