#include "ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace torvik {
namespace {

constexpr const char* kTranslatorName = "torvikQtTranslations";

}  // namespace

void UseQtTranslations(Language language) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return;
    // The translator lives as a child of the application, so there is at most one.
    delete app->findChild<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly);
    if (language != Language::Chinese) return;
    auto* translator = new QTranslator(app);
    translator->setObjectName(kTranslatorName);
    if (translator->load(QStringLiteral("qt_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace torvik
