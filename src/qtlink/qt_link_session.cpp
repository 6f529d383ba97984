#include "qtlink/qt_link_session.h"

namespace torvik {

QtLinkSession::QtLinkSession(const PortMap& ports, const LinkSubject& subject, std::ostream* trace)
    : serial_([&ports](int number) { return ports.devicePath(number); }),
      traced_(trace ? std::make_unique<TracedSerialPort>(serial_, *trace) : nullptr),
      engine_(LinkContext{subject.codeplug, subject.features, subject.codeplug.testData,
                          subject.factoryMode, subject.portSettings,
                          traced_ ? static_cast<SerialPort&>(*traced_) : serial_, timer_,
                          subject.reporter, subject.host}) {}

}  // namespace torvik
