// The memory the undo history holds: 200 edits of a document holding a 10 MB value, each one
// step, then the peak resident set size. Prints; asserts nothing.
#include <sys/resource.h>

#include <cstdio>
#include <string>

#include "document/ContractDocument.h"
#include "document/MemorySettings.h"
#include "session/DocumentSession.h"

int main() {
    MemorySettings settings;
    DocumentSession session(settings, 1);
    ContractDocument& doc = session.document();
    doc.m_offerCount = 1;
    doc.m_offers[0].location = std::string(std::size_t{10} << 20, 'x');
    for (int i = 0; i < 200; ++i) {
        session.record(QStringLiteral("Edit Employer"),
                       [&] { doc.m_offers[0].employer = "Employer " + std::to_string(i); });
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("200 edits of a 10 MB document: %d steps kept, peak RSS %ld MB\n",
                session.history().count(), usage.ru_maxrss / 1024);
}
