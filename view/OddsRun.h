#pragma once

#include <QObject>
#include <atomic>
#include <thread>

#include "generate/Odds.h"

// One odds run on background threads, for a window that must stay responsive meanwhile.
// Destroying it cancels the run and waits for its threads, which stop within milliseconds.
class OddsRun : public QObject {
    Q_OBJECT
public:
    explicit OddsRun(OddsRequest request, QObject* parent = nullptr);
    ~OddsRun() override;
    OddsRun(const OddsRun&) = delete;
    OddsRun& operator=(const OddsRun&) = delete;

    const OddsRequest& request() const { return m_request; }
    // The share of the samples done, 0 to 1.
    double fraction() const;
    void cancel() { m_progress.cancel = true; }
    bool isFinished() const { return m_finished.load(); }
    // The counts, once finished() has been emitted (partial after a cancel).
    const OddsResult& result() const { return m_result; }

signals:
    // Delivered on the thread this object lives in.
    void finished();

private:
    OddsRequest m_request;
    OddsProgress m_progress;
    OddsResult m_result;
    std::atomic<bool> m_finished{false};
    std::thread m_thread;  // last: it starts once everything it uses exists
};
