#include "ui/radio_info_view.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "codeplug/band.h"
#include "codeplug/identity.h"
#include "functions/radioinfo/radio_info_text.h"
#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

struct Row {
    const char* english;
    const char* chinese;
    std::string value;
};

}  // namespace

RadioInfoView::RadioInfoView(const Codeplug& codeplug, Language language, QWidget* parent)
    : QDialog(parent) {
    setObjectName("RadioInfoView");
    const bool zh = language == Language::Chinese;
    setWindowTitle(zh ? QStringLiteral("嵌入信息") : QStringLiteral("Embedded Message"));

    const RadioInfoDisplay info = DisplayRadioInfo(codeplug.radioInfo);
    const std::string band(BandTextFromCode(BandCodeFromListIndex(info.bandPosition)));
    const Row rows[] = {
        {"Area Code", "销售区号", info.areaCode},
        {"Radio Type", "机型", ProductName(codeplug.identity)},
        {"Frequency", "频段", band},
        {"Serial Number", "序列号", info.serialNumber},
        {"Producted Date", "出厂日期", info.productionDate},
        {"Maintained Date", "维修日期", info.maintenanceDate},
        {"Maintained Description", "维修原因", info.maintenanceReason},
        {"Version", "固件版本", info.versionText},
        {"Manufacture Code", "生产批号", info.productionBatch},
        {"User Code", "客户代码", info.customerCode},
        {"Dealer Code", "经销商代码", info.dealerCode},
        {"Stock Date", "入库时间", info.stockDate},
        {"Sell Date", "销售时间", info.sellDate},
        {"Seller", "经手人", info.seller},
    };
    auto* form = new QFormLayout;
    for (const Row& row : rows) {
        auto* box = new QLineEdit(Q(row.value), this);
        box->setReadOnly(true);
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 24);
        form->addRow(QString::fromUtf8(zh ? row.chinese : row.english), box);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setObjectName("CommandClose");
    LabelCloseHelp(close, nullptr, language);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

}  // namespace torvik
