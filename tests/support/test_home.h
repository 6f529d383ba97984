// The window tests' home folder: small language files in both languages, the build's factory
// templates and a private settings store, so a test never reads or writes the user's own. A
// test that includes this names the templates' folder in TORVIK_BIN_DIR.
#pragma once

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>
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

    // The language files of `folder` (the shipped ones) in place of the test's own.
    void useLanguageFilesFrom(const QString& folder) {
        for (const char* name : {"english.ini", "chinese.ini"}) {
            const QString target = path(QString("language/") + name);
            QFile::remove(target);
            QVERIFY(QFile::copy(folder + "/" + name, target));
        }
    }

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

}  // namespace torvik::test
