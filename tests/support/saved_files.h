// A document saved into a folder of its own, and every file the save wrote read back by name:
// for tests that prove an edit and its Undo by the bytes of the files.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <map>

#include "document/codeplug_document.h"

namespace torvik::test {

// Empty when the save failed (it said why through `reporter`).
inline std::map<QString, QByteArray> SavedFiles(CodeplugDocument& document, const QString& folder,
                                                Reporter& reporter) {
    const QDir saved(folder);
    saved.mkpath(".");
    if (!document.save(saved.filePath("radio.dat").toStdString(), reporter)) return {};
    std::map<QString, QByteArray> files;
    for (const QString& name : saved.entryList(QDir::Files)) {
        QFile file(saved.filePath(name));
        if (file.open(QIODevice::ReadOnly)) files[name] = file.readAll();
    }
    return files;
}

}  // namespace torvik::test
