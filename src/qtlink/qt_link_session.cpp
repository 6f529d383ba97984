#include "qtlink/qt_link_session.h"

namespace torvik {

QtLinkSession::QtLinkSession(const PortMap& ports, const LinkSubject& subject)
    : serial_([&ports](int number) { return ports.devicePath(number); }),
      engine_(LinkContext{subject.codeplug, subject.features, subject.codeplug.testData,
                          subject.factoryMode, subject.portSettings, serial_, timer_,
                          subject.reporter, subject.host}) {}

}  // namespace torvik
