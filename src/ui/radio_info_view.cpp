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
    RadioInfoCaption caption;
    std::string value;
};

}  // namespace

RadioInfoView::RadioInfoView(const Codeplug& codeplug, Language language, QWidget* parent)
    : QDialog(parent) {
    setObjectName("RadioInfoView");
    setWindowTitle(Q(RadioInfoCaptionText(RadioInfoCaption::Window, language)));

    const RadioInfoDisplay info = DisplayRadioInfo(codeplug.radioInfo);
    const std::string band(BandTextFromCode(BandCodeFromListIndex(info.bandPosition)));
    const Row rows[] = {
        {RadioInfoCaption::AreaCode, info.areaCode},
        {RadioInfoCaption::RadioType, ProductName(codeplug.identity)},
        {RadioInfoCaption::Band, band},
        {RadioInfoCaption::SerialNumber, info.serialNumber},
        {RadioInfoCaption::ProductionDate, info.productionDate},
        {RadioInfoCaption::MaintenanceDate, info.maintenanceDate},
        {RadioInfoCaption::MaintenanceReason, info.maintenanceReason},
        {RadioInfoCaption::Version, info.versionText},
        {RadioInfoCaption::ProductionBatch, info.productionBatch},
        {RadioInfoCaption::CustomerCode, info.customerCode},
        {RadioInfoCaption::DealerCode, info.dealerCode},
        {RadioInfoCaption::StockDate, info.stockDate},
        {RadioInfoCaption::SellDate, info.sellDate},
        {RadioInfoCaption::Seller, info.seller},
    };
    auto* form = new QFormLayout;
    for (const Row& row : rows) {
        auto* box = new QLineEdit(Q(row.value), this);
        box->setReadOnly(true);
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 24);
        form->addRow(Q(RadioInfoCaptionText(row.caption, language)), box);
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
