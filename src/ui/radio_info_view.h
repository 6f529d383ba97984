// A plain read-only view of the radio's embedded information as last decoded: what the
// information read and the tree's radio-information node show.
#pragma once

#include <QDialog>

#include "aggregate/codeplug.h"
#include "platform/language.h"

namespace torvik {

class RadioInfoView : public QDialog {
    Q_OBJECT

  public:
    RadioInfoView(const Codeplug& codeplug, Language language, QWidget* parent = nullptr);
};

}  // namespace torvik
