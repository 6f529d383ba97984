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
    TextId caption;
    std::string value;
};

}  // namespace

RadioInfoView::RadioInfoView(const Codeplug& codeplug, Language language, QWidget* parent)
    : QDialog(parent) {
    setObjectName("RadioInfoView");
    setWindowTitle(Q(BuiltInText(TextId::RadioInfoWindow, language)));

    const RadioInfoDisplay info = DisplayRadioInfo(codeplug.radioInfo);
    const std::string band(BandTextFromCode(BandCodeFromListIndex(info.bandPosition)));
    const Row rows[] = {
        {TextId::RadioInfoAreaCode, info.areaCode},
        {TextId::RadioInfoRadioType, ProductName(codeplug.identity)},
        {TextId::RadioInfoBand, band},
        {TextId::RadioInfoSerialNumber, info.serialNumber},
        {TextId::RadioInfoProductionDate, info.productionDate},
        {TextId::RadioInfoMaintenanceDate, info.maintenanceDate},
        {TextId::RadioInfoMaintenanceReason, info.maintenanceReason},
        {TextId::RadioInfoVersion, info.versionText},
        {TextId::RadioInfoProductionBatch, info.productionBatch},
        {TextId::RadioInfoCustomerCode, info.customerCode},
        {TextId::RadioInfoDealerCode, info.dealerCode},
        {TextId::RadioInfoStockDate, info.stockDate},
        {TextId::RadioInfoSellDate, info.sellDate},
        {TextId::RadioInfoSeller, info.seller},
    };
    auto* form = new QFormLayout;
    for (const Row& row : rows) {
        auto* box = new QLineEdit(Q(row.value), this);
        box->setReadOnly(true);
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 24);
        form->addRow(Q(BuiltInText(row.caption, language)), box);
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
