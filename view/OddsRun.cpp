#include "view/OddsRun.h"

#include <utility>

OddsRun::OddsRun(OddsRequest request, QObject* parent)
    : QObject(parent), m_request(std::move(request)), m_thread([this] {
          m_result = rollOdds(m_request, &m_progress);
          m_finished = true;
          // Queued to this object: dropped unread if the object is gone by then.
          QMetaObject::invokeMethod(this, &OddsRun::finished, Qt::QueuedConnection);
      }) {}

OddsRun::~OddsRun() {
    cancel();
    m_thread.join();
}

double OddsRun::fraction() const {
    const auto total = static_cast<double>(m_request.samples);
    return total > 0 ? static_cast<double>(m_progress.samplesDone.load()) / total : 1.0;
}
