#include "view/OddsWindow.h"

#include <QBuffer>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <array>

#include "document/NumberText.h"
#include "listing/OddsOrder.h"
#include "listing/OddsReport.h"
#include "storage/CoreTexts.h"
#include "storage/ExportFile.h"
#include "view/ComboExchange.h"
#include "view/OddsRun.h"
#include "view/ProgramMessage.h"

namespace {

constexpr int kProgressSteps = 1000;
constexpr int kProgressMs = 50;
// A choice box narrows to this many characters where the screen is small.
constexpr int kNarrowestChoiceChars = 10;
constexpr int kCombosPerRow = 3;

QString withSuffix(const QString& path, const QString& suffix) {
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + suffix : path;
}

// `chart` under a caption that says how to roll it again, which also goes into the PNG's text
// (one entry per header line: "Rating", "Samples", "Seed", "Choices").
QImage captioned(const QPixmap& chart, const OddsRequest& request, const OddsResult& result,
                 const QPalette& palette, const QFont& font) {
    const std::vector<OddsHeaderLine> header = oddsHeader(request, result, ValueControls::Visible);
    QStringList parts;
    for (const OddsHeaderLine& line : header) {
        parts << QString::fromStdString(line.label + ": " + line.value);
    }
    const QString caption = parts.join(QStringLiteral("; "));
    const int width = std::max(chart.width(), 480);
    const QFontMetrics metrics(font);
    const int margin = metrics.height() / 2;
    const QRect text = metrics.boundingRect(QRect(0, 0, width - 2 * margin, 100000),
                                            Qt::TextWrapAnywhere, caption);
    const int captionHeight = text.height() + 2 * margin;
    QImage image(width, chart.height() + captionHeight, QImage::Format_RGB32);
    image.fill(palette.color(QPalette::Base));
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(palette.color(QPalette::Text));
    painter.drawText(QRect(margin, margin, width - 2 * margin, text.height()), Qt::TextWrapAnywhere,
                     caption);
    painter.drawPixmap(0, captionHeight, chart);
    painter.end();
    for (const OddsHeaderLine& line : header) {
        image.setText(QString::fromStdString(line.label), QString::fromStdString(line.value));
    }
    return image;
}

QTableWidgetItem* numberItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

QString OddsWindow::fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString OddsWindow::choicesText(const OddsRequest& request) {
    return shownCoreText(oddsChoicesText(request.choices, ValueControls::Visible));
}

OddsWindow::OddsWindow(const std::string& rating, const OfferChoices& choices,
                       std::function<QString()> openDocumentPath, QWidget* parent,
                       std::unique_ptr<OddsChartMaker> charts)
    : QWidget(parent, Qt::Window),
      m_chartMaker(std::move(charts)),
      m_openDocumentPath(std::move(openDocumentPath)) {
    setObjectName(QStringLiteral("oddsWindow"));
    setWindowTitle(tr("Odds - Zuvaduro"));
    setAccessibleName(tr("Odds"));
    setWhatsThis(
        tr("Rolls the offers of a rating many times, with the first offer's terms fixed as in "
           "New Custom, and shows how often each outcome comes up."));
    // Below its natural size (a small or scaled screen) the window scrolls rather than leave
    // the screen.
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* body = new QWidget(scroll);
    m_layout = new QVBoxLayout(body);
    scroll->setWidget(body);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    createChoices(rating, choices);
    createRunControls();
    createResults();
    m_progressTimer = new QTimer(this);
    m_progressTimer->setInterval(kProgressMs);
    connect(m_progressTimer, &QTimer::timeout, this, &OddsWindow::showProgress);
    resize(960, 720);
}

OddsWindow::~OddsWindow() = default;  // m_run cancels and joins

void OddsWindow::createChoices(const std::string& rating, const OfferChoices& choices) {
    auto* group = new QGroupBox(tr("Rating and first offer"), this);
    auto* grid = new QGridLayout(group);
    std::string shownRating = rating;
    OfferChoices shownChoices = choices;
    for (std::size_t i = 0; i < kCustomChoiceComboCount; ++i) {
        const CustomChoiceCombo& choice = customChoiceCombos()[i];
        auto* combo = new QComboBox(group);
        combo->setObjectName(QStringLiteral("choice%1").arg(i));
        setUpChoiceCombo(*combo, choice.entries, choice.sorted);
        // The longest entries would make the window wider than a small or scaled screen: the
        // boxes narrow instead.
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(kNarrowestChoiceChars);
        combo->setWhatsThis(QCoreApplication::translate("NewCustomDialog", choice.whatsThis));
        loadComboText(*combo, toDialogText(customChoiceText(choice, shownRating, shownChoices)));
        auto* label = new QLabel(tr(choice.label), group);
        label->setBuddy(combo);
        combo->setAccessibleName(label->text());
        const int row = static_cast<int>(i) / kCombosPerRow;
        const int column = static_cast<int>(i) % kCombosPerRow * 2;
        grid->addWidget(label, row, column, Qt::AlignRight);
        grid->addWidget(combo, row, column + 1);
        grid->setColumnStretch(column + 1, 1);
        m_combos[i] = combo;
    }
    m_layout->addWidget(group);
}

void OddsWindow::createRunControls() {
    auto* row = new QHBoxLayout;
    m_samples = new QSpinBox(this);
    m_samples->setObjectName(QStringLiteral("oddsSamples"));
    m_samples->setRange(1, static_cast<int>(kMostOddsSamples));
    m_samples->setValue(static_cast<int>(kDefaultOddsSamples));
    m_samples->setGroupSeparatorShown(true);
    m_samples->setWhatsThis(tr("How many times the offers are rolled."));
    auto* samplesLabel = new QLabel(tr("&Rolls:"), this);
    samplesLabel->setBuddy(m_samples);

    m_seed = new QLineEdit(this);
    m_seed->setObjectName(QStringLiteral("oddsSeed"));
    m_seed->setPlaceholderText(tr("from the clock"));
    m_seed->setWhatsThis(
        tr("The seed of the rolls: the same seed, rating, choices and number of rolls give the "
           "same counts. Empty takes a new seed from the clock."));
    auto* seedLabel = new QLabel(tr("S&eed:"), this);
    seedLabel->setBuddy(m_seed);

    m_runButton = new QPushButton(tr("R&un"), this);
    m_runButton->setObjectName(QStringLiteral("oddsRun"));
    m_runButton->setDefault(true);
    connect(m_runButton, &QPushButton::clicked, this, &OddsWindow::run);
    m_cancelButton = new QPushButton(tr("C&ancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("oddsCancel"));
    m_cancelButton->setEnabled(false);
    connect(m_cancelButton, &QPushButton::clicked, this, &OddsWindow::cancel);

    row->addWidget(samplesLabel);
    row->addWidget(m_samples);
    row->addWidget(seedLabel);
    row->addWidget(m_seed, 1);
    row->addWidget(m_runButton);
    row->addWidget(m_cancelButton);

    auto* rulesRow = new QHBoxLayout;
    m_rulesLabel = new QLabel(this);
    m_rulesLabel->setObjectName(QStringLiteral("oddsRules"));
    m_rulesLabel->setTextFormat(Qt::PlainText);
    m_compare = new QCheckBox(tr("Co&mpare with the built-in tables"), this);
    m_compare->setObjectName(QStringLiteral("oddsCompare"));
    m_compare->setWhatsThis(
        tr("Counts the built-in tables from the same seeds as the rules in use and shows both "
           "side by side: two bars per value, and the difference in percentage points."));
    rulesRow->addWidget(m_rulesLabel, 1);
    rulesRow->addWidget(m_compare);
    showRulesInUse();

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("oddsProgress"));
    m_progress->setAccessibleName(tr("Rolls done"));
    m_progress->setRange(0, kProgressSteps);
    m_progress->setValue(0);

    m_summary = new QLabel(tr("Choose a rating and the first offer's terms, then Run."), this);
    m_summary->setObjectName(QStringLiteral("oddsSummary"));
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_summary->setWordWrap(true);

    m_layout->addLayout(row);
    m_layout->addLayout(rulesRow);
    m_layout->addWidget(m_progress);
    m_layout->addWidget(m_summary);
}

void OddsWindow::createResults() {
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("oddsTabs"));
    m_tabs->setUsesScrollButtons(true);

    auto* buttons = new QHBoxLayout;
    m_exportCsv = new QPushButton(tr("Export Counts as &CSV..."), this);
    m_exportCsv->setObjectName(QStringLiteral("oddsExportCsv"));
    connect(m_exportCsv, &QPushButton::clicked, this, &OddsWindow::askAndExportCsv);
    m_exportChart = new QPushButton(tr("Export Chart as &PNG..."), this);
    m_exportChart->setObjectName(QStringLiteral("oddsExportChart"));
    connect(m_exportChart, &QPushButton::clicked, this, &OddsWindow::askAndExportChart);
    auto* close = new QPushButton(tr("Cl&ose"), this);
    close->setObjectName(QStringLiteral("oddsClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    m_exportCsv->setEnabled(false);
    m_exportChart->setEnabled(false);
    buttons->addWidget(m_exportCsv);
    buttons->addWidget(m_exportChart);
    buttons->addStretch(1);
    buttons->addWidget(close);

    if (!m_chartMaker) {
        auto* note = new QLabel(
            tr("The charts are unavailable: their module (%1) could not be loaded from beside "
               "the program or from its library folder. The counts are shown as tables.")
                .arg(QStringLiteral(ZUVADURO_CHARTS_MODULE)),
            this);
        note->setObjectName(QStringLiteral("oddsChartsUnavailable"));
        note->setWordWrap(true);
        m_layout->addWidget(note);
    }
    m_layout->addWidget(m_tabs, 1);
    m_layout->addLayout(buttons);
}

void OddsWindow::setRulesSource(RulesSource source) {
    m_rulesSource = std::move(source);
    showRulesInUse();
}

void OddsWindow::setComparing(bool on) {
    m_compare->setChecked(on);
}

void OddsWindow::showRulesInUse() {
    const std::shared_ptr<const RuleSet> rules = m_rulesSource ? m_rulesSource() : nullptr;
    const bool builtIn = !rules || rules->isBuiltIn();
    m_rulesLabel->setText(
        builtIn ? tr("Rolled with the built-in tables.")
                : tr("Rolled with house rules '%1'.").arg(QString::fromStdString(rules->name)));
    m_compare->setEnabled(!builtIn);
}

std::optional<OddsRequest> OddsWindow::readRequest() {
    OddsRequest request;
    request.rules = m_rulesSource ? m_rulesSource() : nullptr;
    for (std::size_t i = 0; i < kCustomChoiceComboCount; ++i) {
        customChoiceText(customChoiceCombos()[i], request.rating, request.choices) =
            fromDialogText(readComboText(*m_combos[i]));
    }
    if (QString::fromStdString(request.rating).size() > kMaxRatingLength) {
        warn(ratingTooLongMessage());
        m_combos[0]->setFocus();
        return std::nullopt;
    }
    if (m_seed->text().trimmed().isEmpty()) {
        request.seed = oddsSeedFromClock();
    } else if (const std::optional<std::uint64_t> seed =
                   parseWholeNumber(m_seed->text().trimmed().toStdString())) {
        request.seed = *seed;
    } else {
        warn(tr("The seed is a whole number from 0 to 18446744073709551615."));
        m_seed->setFocus();
        return std::nullopt;
    }
    request.samples = static_cast<std::uint64_t>(m_samples->value());
    request.threads = oddsThreadsForThisMachine();
    return request;
}

void OddsWindow::run() {
    if (m_run) {
        return;
    }
    std::optional<OddsRequest> request = readRequest();
    if (!request) {
        return;
    }
    showRulesInUse();
    if (m_compare->isEnabled() && m_compare->isChecked()) {
        // Each run takes half the threads, so that the two together use the machine once.
        request->threads = std::max(1, request->threads / 2);
        OddsRequest builtIn = *request;
        builtIn.rules = nullptr;
        m_builtInRun = std::make_unique<OddsRun>(std::move(builtIn));
        connect(m_builtInRun.get(), &OddsRun::finished, this, &OddsWindow::finishRun);
    }
    m_run = std::make_unique<OddsRun>(std::move(*request));
    connect(m_run.get(), &OddsRun::finished, this, &OddsWindow::finishRun);
    m_runButton->setEnabled(false);
    m_cancelButton->setEnabled(true);
    m_progress->setValue(0);
    clearResult();
    const OddsRequest& running = m_run->request();
    m_summary->setText(tr("Rolling rating %1 %2 times with seed %3; choices: %4...")
                           .arg(QString::fromStdString(running.rating),
                                QLocale().toString(static_cast<qulonglong>(running.samples)),
                                QString::number(running.seed), choicesText(running)));
    m_progressTimer->start();
}

// The counts of the last run go as soon as the next starts: no chart of the old choices may be
// taken for one of the new while they are rolled.
void OddsWindow::clearResult() {
    if (m_tabs->count() > 0) {
        m_lastTab = m_tabs->currentIndex();
    }
    while (m_tabs->count() > 0) {
        QWidget* page = m_tabs->widget(0);
        m_tabs->removeTab(0);
        delete page;
    }
    m_charts.clear();
    m_result.reset();
    m_builtInResult.reset();
    m_exportCsv->setEnabled(false);
    m_exportChart->setEnabled(false);
}

void OddsWindow::cancel() {
    if (m_run) {
        m_run->cancel();
    }
    if (m_builtInRun) {
        m_builtInRun->cancel();
    }
}

void OddsWindow::showProgress() {
    if (m_run) {
        const double done =
            m_builtInRun ? (m_run->fraction() + m_builtInRun->fraction()) / 2 : m_run->fraction();
        m_progress->setValue(static_cast<int>(done * kProgressSteps));
    }
}

void OddsWindow::finishRun() {
    if (!m_run || !m_run->isFinished() || (m_builtInRun && !m_builtInRun->isFinished())) {
        return;
    }
    m_progressTimer->stop();
    m_shownRequest = m_run->request();
    m_result = m_run->result();
    m_builtInResult.reset();
    if (m_builtInRun) {
        m_builtInResult = m_builtInRun->result();
    }
    m_run.reset();
    m_builtInRun.reset();
    m_runButton->setEnabled(true);
    m_cancelButton->setEnabled(false);
    showResult();
    emit runEnded();
}

void OddsWindow::showResult() {
    const OddsResult& result = *m_result;
    const QLocale locale;
    m_progress->setValue(static_cast<int>(result.samples * kProgressSteps /
                                          std::max<std::uint64_t>(1, m_shownRequest.samples)));
    if (m_builtInResult) {
        showComparison();
        return;
    }
    QString summary =
        tr("Rating %1, %2 rolls, seed %3; choices: %4. They gave %5 offers, mean payment "
           "multiplier %6.")
            .arg(QString::fromStdString(m_shownRequest.rating),
                 locale.toString(static_cast<qulonglong>(result.samples)),
                 QString::number(m_shownRequest.seed), choicesText(m_shownRequest),
                 locale.toString(static_cast<qulonglong>(result.offers)),
                 result.meanMultiplier
                     ? locale.toString(*result.meanMultiplier, 'f', 4) + QLatin1Char('x')
                     : tr("none"));
    if (result.cancelled) {
        summary +=
            QLatin1Char(' ') + tr("Cancelled: these are the counts of the %1 rolls done before.")
                                   .arg(locale.toString(static_cast<qulonglong>(result.samples)));
    }
    m_summary->setText(summary);

    std::vector<OddsValue> offerRows;
    for (std::size_t n = 0; n < result.offerCounts.size(); ++n) {
        offerRows.push_back({std::to_string(n), result.offerCounts[n]});
    }
    const OddsChartMaker* charts = m_chartMaker.get();
    addResultTab(tr("Offers"), charts ? charts->offerCountView({&result}, {}, palette()) : nullptr,
                 offerRows, result.samples);
    for (std::size_t t = 0; t < kOddsTermCount; ++t) {
        const OfferTerm& term = kOddsTerms[t];
        const std::vector<OddsValue> shown = inShownOrder(term.values, result.terms[t]);
        QWidget* chart =
            charts == nullptr ? nullptr
            : t == kPaymentMultiplierTerm
                ? charts->multiplierView({&result}, {}, palette())
                : charts->termView(fromUtf8(term.name), shown, result.offers, palette());
        // The tabs' names are short, so that the eleven tabs fit side by side.
        addResultTab(tr(std::string(term.tab).c_str()), chart, shown, result.offers);
    }
    m_tabs->setCurrentIndex(std::max(0, m_lastTab));
    m_exportCsv->setEnabled(true);
    m_exportChart->setEnabled(charts != nullptr);
}

void OddsWindow::addResultTab(const QString& name, QWidget* chart,
                              const std::vector<OddsValue>& rows, std::uint64_t total) {
    auto* table = new QTableWidget(static_cast<int>(rows.size()), 3);
    table->setHorizontalHeaderLabels({tr("Value"), tr("Count"), tr("%")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    const QLocale locale;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const OddsValue& row = rows[static_cast<std::size_t>(r)];
        const double share =
            total == 0 ? 0.0 : 100.0 * static_cast<double>(row.count) / static_cast<double>(total);
        auto* value = new QTableWidgetItem(QString::fromStdString(row.text));
        value->setToolTip(value->text());  // a long value is cut in its column
        table->setItem(r, 0, value);
        table->setItem(r, 1, numberItem(locale.toString(static_cast<qulonglong>(row.count))));
        table->setItem(r, 2, numberItem(locale.toString(share, 'f', 2)));
    }
    table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table->resizeColumnsToContents();
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    addTab(name, chart, table);
}

void OddsWindow::addTab(const QString& name, QWidget* chart, QWidget* table) {
    auto* splitter = new QSplitter(Qt::Horizontal);
    if (chart != nullptr) {
        m_charts.push_back(chart);
        chart->setMinimumWidth(360);
        splitter->addWidget(chart);
        splitter->addWidget(table);
        splitter->setStretchFactor(0, 3);
        splitter->setStretchFactor(1, 2);
        splitter->setSizes({600, 400});
    } else {
        splitter->addWidget(table);
    }
    m_tabs->addTab(splitter, name);
}

QString OddsWindow::exportCsv(const QString& path) const {
    if (!m_result) {
        return {};
    }
    const std::string csv = m_builtInResult
                                ? renderOddsCompareCsv(m_shownRequest, *m_builtInResult, *m_result)
                                : renderOddsCsv(m_shownRequest, *m_result);
    return writeExportFile(path, QByteArray(csv.data(), static_cast<qsizetype>(csv.size())),
                           m_openDocumentPath ? m_openDocumentPath() : QString());
}

QString OddsWindow::exportChart(const QString& path) const {
    const auto tab = static_cast<std::size_t>(m_tabs->currentIndex());
    if (tab >= m_charts.size()) {
        return {};  // no result yet, or no charts
    }
    const QImage image = captioned(m_chartMaker->picture(*m_charts[tab]), m_shownRequest, *m_result,
                                   palette(), font());
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return writeExportFile(path, png, m_openDocumentPath ? m_openDocumentPath() : QString());
}

void OddsWindow::askAndExportCsv() {
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Export Counts"),
                                     QStringLiteral("odds-%1-%2.csv")
                                         .arg(QString::fromStdString(m_shownRequest.rating))
                                         .arg(m_shownRequest.seed),
                                     tr("CSV files (*.csv);;All files (*)"));
    if (!path.isEmpty()) {
        warn(exportCsv(withSuffix(path, QStringLiteral("csv"))));
    }
}

void OddsWindow::askAndExportChart() {
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Export Chart"),
                                     QStringLiteral("odds-%1-%2.png")
                                         .arg(QString::fromStdString(m_shownRequest.rating))
                                         .arg(m_shownRequest.seed),
                                     tr("PNG images (*.png);;All files (*)"));
    if (!path.isEmpty()) {
        warn(exportChart(withSuffix(path, QStringLiteral("png"))));
    }
}

void OddsWindow::warn(const QString& message) {
    if (!message.isEmpty()) {
        showProgramMessage(this, QMessageBox::Warning, message);
    }
}

void OddsWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        for (QWidget* chart : m_charts) {
            m_chartMaker->repaint(*chart, palette());
        }
    }
}

// Escape stops a run first; with nothing running it closes the window.
void OddsWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (isRunning()) {
            cancel();
        } else {
            close();
        }
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void OddsWindow::closeEvent(QCloseEvent* event) {
    m_progressTimer->stop();
    m_run.reset();  // cancels, and waits the few milliseconds the threads need to stop
    m_builtInRun.reset();
    m_runButton->setEnabled(true);
    m_cancelButton->setEnabled(false);
    QWidget::closeEvent(event);
}
