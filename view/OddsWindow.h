#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/ContractOffer.h"
#include "generate/Odds.h"
#include "view/CustomChoiceCombos.h"
#include "view/OddsChartMaker.h"

class OddsRun;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTimer;
class QVBoxLayout;

// View > Odds...: the odds of a rating and a set of custom choices, rolled on background threads
// while the main window stays usable, shown as charts with their counts. Closing the window (or
// the program) cancels a run and waits for its threads. Without a chart maker (the module was not
// found) the window says so and shows the counts alone.
class OddsWindow : public QWidget {
    Q_OBJECT
public:
    // Starts from these choices, shown as New Custom shows them. `openDocumentPath` names the
    // document the exports must never write over, whichever is open when they are written.
    OddsWindow(const std::string& rating, const OfferChoices& choices,
               std::function<QString()> openDocumentPath = {}, QWidget* parent = nullptr,
               std::unique_ptr<OddsChartMaker> charts = loadOddsCharts());
    ~OddsWindow() override;

    // Run and Cancel (also Escape, which closes the window when nothing runs). A run clears the
    // counts on show as it starts. Run refuses a rating New Custom would refuse, and a seed that is
    // no whole number from 0 to 2^64-1 (an empty seed is taken from the clock).
    void run();
    void cancel();
    bool isRunning() const { return m_run != nullptr; }

    // Where Run takes the rules it rolls with (the session's: null for the built-in tables);
    // without a source the window rolls with the built-in tables.
    using RulesSource = std::function<std::shared_ptr<const RuleSet>()>;
    void setRulesSource(RulesSource source);
    // Whether Run also counts the built-in tables from the same seeds, to show them beside the
    // rules in use. Has no effect while the rules in use are the built-in ones.
    void setComparing(bool on);
    // Names the rules Run would roll with; call when they change.
    void showRulesInUse();

    // The counts on show and the request they answer; empty before the first run ends.
    const std::optional<OddsResult>& result() const { return m_result; }
    // The built-in tables' counts shown beside them; empty unless the last run compared.
    const std::optional<OddsResult>& builtInResult() const { return m_builtInResult; }
    const OddsRequest& shownRequest() const { return m_shownRequest; }

    // Export the counts as CSV (as `zuvaduro --odds --csv` writes them) and the chart on show as
    // PNG under a caption of the rating, samples, seed and choices (also the PNG's text entries
    // "Rating", "Samples", "Seed" and "Choices"); each replaces the file only once complete. The
    // message for the user on failure, else empty.
    QString exportCsv(const QString& path) const;
    QString exportChart(const QString& path) const;

signals:
    void runEnded();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createChoices(const std::string& rating, const OfferChoices& choices);
    void createRunControls();
    void createResults();
    std::optional<OddsRequest> readRequest();
    void showProgress();
    void finishRun();
    void clearResult();
    void showResult();
    void showComparison();
    void addResultTab(const QString& name, QWidget* chart, const std::vector<OddsValue>& rows,
                      std::uint64_t total);
    void addTab(const QString& name, QWidget* chart, QWidget* table);
    void askAndExportCsv();
    void askAndExportChart();
    void warn(const QString& message);
    static QString fromUtf8(std::string_view text);
    // The choices of a run as the odds' outputs name them, control characters spelled out.
    static QString choicesText(const OddsRequest& request);

    QVBoxLayout* m_layout = nullptr;
    std::array<QComboBox*, kCustomChoiceComboCount> m_combos{};
    QSpinBox* m_samples = nullptr;
    QLineEdit* m_seed = nullptr;
    QPushButton* m_runButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QLabel* m_rulesLabel = nullptr;
    QCheckBox* m_compare = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_summary = nullptr;
    QTabWidget* m_tabs = nullptr;
    QPushButton* m_exportCsv = nullptr;
    QPushButton* m_exportChart = nullptr;
    QTimer* m_progressTimer = nullptr;
    std::unique_ptr<OddsChartMaker> m_chartMaker;
    std::vector<QWidget*> m_charts;  // one per tab, in the tabs' order
    int m_lastTab = 0;               // the tab on show before the counts were cleared

    std::unique_ptr<OddsRun> m_run;
    std::unique_ptr<OddsRun> m_builtInRun;  // beside m_run while comparing
    RulesSource m_rulesSource;
    OddsRequest m_shownRequest;
    std::function<QString()> m_openDocumentPath;
    std::optional<OddsResult> m_result;
    std::optional<OddsResult> m_builtInResult;
};
