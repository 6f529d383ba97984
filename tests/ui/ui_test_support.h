// What the window tests share: a home folder of their own (small language files in both
// languages, the build's factory templates, a private settings store) and a driver that
// answers the modal dialogs and message boxes a command opens.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <functional>
#include <map>

namespace torvik::test {

// The language-file texts the tests look for, in both languages.
inline const std::map<int, std::pair<QString, QString>> kTestTexts{
    {101, {"OK", "确定"}},
    {102, {"Cancel", "取消"}},
    {1000, {"&File", "文件(&F)"}},
    {1001, {"&New", "新建(&N)"}},
    {1002, {"&Open", "打开(&O)"}},
    {1003, {"&Save", "保存(&S)"}},
    {1031, {"Serial &Port", "串口(&P)"}},
    {1041, {"&Read", "读频(&R)"}},
    {1072, {"&Copy", "复制(&C)"}},
    {1101, {"RX", "接收"}},
    {1107, {"Tone", "亚音"}},
    {1112, {"Dec", "解码"}},
    {1113, {"Enc", "编码"}},
    {1202, {"R", "关"}},
    {1204, {"High", "高"}},
    {1205, {"Low", "低"}},
    {1206, {"None", "无"}},
    {1221, {"Mid", "中"}},
    {1501, {"English", "英文"}},
    {1502, {"Chinese", "中文"}},
    {2012, {"File", "文件"}},
    {3006, {"CH", "信道"}},
    {5021, {"Options", "可选功能"}},
    {2004, {"Read done", "读取完成"}},
    {2200, {"Version", "版本"}},
    {5023, {"DTMF", "双音多频"}},
};
inline const QString kSaveFirstText = QStringLiteral("Save the changes first?");

class TestHome {
  public:
    TestHome() {
        QDir().mkpath(path("language"));
        QDir().mkpath(path("Init"));
        writeLanguage("english.ini", false);
        writeLanguage("chinese.ini", true);
        const QDir init(QStringLiteral(TORVIK_BIN_DIR "/Init"));
        for (const QString& name : init.entryList(QDir::Files)) {
            QFile::copy(init.filePath(name), path("Init/" + name));
        }
        // The window geometry goes to this home, never to the user's settings.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path("settings"));
    }

    QString path(const QString& name = {}) const {
        return name.isEmpty() ? dir_.path() : dir_.filePath(name);
    }
    std::string std() const { return dir_.path().toStdString(); }

  private:
    void writeLanguage(const QString& name, bool chinese) {
        QString text = "[OTHER]\r\n";
        for (const auto& [key, texts] : kTestTexts) {
            text += QString::number(key) + "=" + (chinese ? texts.second : texts.first) + "\r\n";
        }
        text += "[MSG]\r\n9001=" + kSaveFirstText + "\r\n";
        QFile file(path("language/" + name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QStringEncoder gbk("GBK", QStringConverter::Flag::Stateless);
        file.write(chinese ? QByteArray(gbk(text)) : text.toLatin1());
    }

    QTemporaryDir dir_;
};

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
