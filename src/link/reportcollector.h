#pragma once

#include "common/message.h"
#include "link/D2XXUnit.h"

namespace lumidor {

// While it lives, the binding's failure boxes are appended to `messages`
// instead of being shown, so the caller can show them in the order they arose
// once the converter is closed again and nobody waits on the cursor.
class ReportCollector {
public:
    ReportCollector(D2XXUnit& unit, Messages& messages) : unit_(unit), saved_(unit.reporter()) {
        unit_.setReporter([&messages](const Message& m) { messages.append(m); });
    }
    ~ReportCollector() { unit_.setReporter(saved_); }
    ReportCollector(const ReportCollector&) = delete;
    ReportCollector& operator=(const ReportCollector&) = delete;

private:
    D2XXUnit& unit_;
    D2XXUnit::Reporter saved_;
};

}  // namespace lumidor
