#include "view/RulesEditor.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QUndoCommand>
#include <QVBoxLayout>
#include <algorithm>
#include <variant>

#include "storage/RulesFileAccess.h"
#include "view/OddsWindow.h"
#include "view/ProgramMessage.h"

namespace {

// One cell's edit. The cell already shows the new text when the step is recorded.
class CellEdit : public QUndoCommand {
public:
    CellEdit(RulesEditor& editor, std::size_t line, std::size_t cell, std::string before,
             std::string after)
        : QUndoCommand(QObject::tr("Edit Line %1").arg(line + 1)),
          m_editor(editor),
          m_line(line),
          m_cell(cell),
          m_before(std::move(before)),
          m_after(std::move(after)) {}
    void undo() override { m_editor.applyCell(m_line, m_cell, m_before); }
    void redo() override { m_editor.applyCell(m_line, m_cell, m_after); }

private:
    RulesEditor& m_editor;
    std::size_t m_line;
    std::size_t m_cell;
    std::string m_before;
    std::string m_after;
};

// Tabs are named for people: "offer_count" reads "Offer count".
QString tabName(const std::string& family) {
    QString name = QString::fromStdString(family).replace(QLatin1Char('_'), QLatin1Char(' '));
    return name.isEmpty() ? name : name.left(1).toUpper() + name.mid(1);
}

}  // namespace

RulesEditor::RulesEditor(const QString& path, const std::string& text, std::string rating,
                         QWidget* parent)
    : QWidget(parent, Qt::Window), m_grid(text), m_path(path), m_rating(std::move(rating)) {
    setObjectName(QStringLiteral("rulesEditor"));
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    const auto addButton = [&](const QString& label, const char* name, const QString& whatsThis) {
        auto* button = new QPushButton(label, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setWhatsThis(whatsThis);
        buttons->addWidget(button);
        return button;
    };
    QPushButton* undo = addButton(tr("&Undo"), "rulesUndo", tr("Takes back the last edit."));
    QPushButton* redo = addButton(tr("&Redo"), "rulesRedo", tr("Makes the edit Undo took back."));
    QPushButton* tryIt = addButton(
        tr("&Try It"), "rulesTryIt",
        tr("Shows the odds of the rating with the edited tables beside the built-in ones, "
           "without saving."));
    buttons->addStretch(1);
    QPushButton* save = addButton(tr("&Save"), "rulesSave", tr("Saves the rules file."));
    QPushButton* saveAs =
        addButton(tr("Save &As..."), "rulesSaveAs", tr("Saves the rules under a new name."));
    connect(undo, &QPushButton::clicked, &m_history, &QUndoStack::undo);
    connect(redo, &QPushButton::clicked, &m_history, &QUndoStack::redo);
    connect(&m_history, &QUndoStack::canUndoChanged, undo, &QPushButton::setEnabled);
    connect(&m_history, &QUndoStack::canRedoChanged, redo, &QPushButton::setEnabled);
    connect(&m_history, &QUndoStack::cleanChanged, this, &RulesEditor::updateTitle);
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(tryIt, &QPushButton::clicked, this, &RulesEditor::tryIt);
    connect(save, &QPushButton::clicked, this, &RulesEditor::save);
    connect(saveAs, &QPushButton::clicked, this, &RulesEditor::saveAs);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("rulesTabs"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("rulesStatus"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    layout->addLayout(buttons);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(m_status);
    createTables();
    recheck();
    updateTitle();
    resize(900, 640);
}

RulesEditor::~RulesEditor() = default;

void RulesEditor::createTables() {
    m_filling = true;
    m_placeOfLine.assign(m_grid.lines().size(), {nullptr, 0});
    for (const std::string& family : m_grid.families()) {
        const std::vector<std::size_t> lines = m_grid.linesOf(family);
        std::size_t cells = 1;
        for (std::size_t line : lines) {
            cells = std::max(cells, m_grid.lines()[line].cells.size());
        }
        auto* table = new QTableWidget(static_cast<int>(lines.size()),
                                       kFirstCellColumn + static_cast<int>(cells));
        table->setObjectName(QString::fromStdString(family));
        QStringList headers = {tr("Line"), tr("Problem")};
        for (std::size_t c = 0; c < cells; ++c) {
            headers << (c == 0 ? tr("Text or first field") : tr("Field %1").arg(c + 1));
        }
        table->setHorizontalHeaderLabels(headers);
        table->verticalHeader()->hide();
        for (int row = 0; row < static_cast<int>(lines.size()); ++row) {
            const std::size_t line = lines[static_cast<std::size_t>(row)];
            const RulesGridLine& shown = m_grid.lines()[line];
            m_placeOfLine[line] = {table, row};
            auto* number = new QTableWidgetItem(QString::number(line + 1));
            number->setFlags(Qt::ItemIsEnabled);
            table->setItem(row, kLineColumn, number);
            auto* problem = new QTableWidgetItem;
            problem->setFlags(Qt::ItemIsEnabled);
            problem->setForeground(Qt::darkRed);
            table->setItem(row, kProblemColumn, problem);
            for (std::size_t c = 0; c < cells; ++c) {
                auto* item = new QTableWidgetItem(QString::fromStdString(m_grid.cell(line, c)));
                // A line that is no table row is one text; only a row takes more fields.
                if (!shown.fields && c > 0) {
                    item->setFlags(Qt::ItemIsEnabled);
                }
                table->setItem(row, kFirstCellColumn + static_cast<int>(c), item);
            }
        }
        table->resizeColumnsToContents();
        // Room for a problem's message beside the row, which the check fills as you type.
        table->setColumnWidth(kProblemColumn,
                              table->fontMetrics().horizontalAdvance(QStringLiteral("M")) * 18);
        table->setWordWrap(false);
        table->horizontalHeader()->setStretchLastSection(true);
        connect(table, &QTableWidget::cellChanged, this,
                [this, table](int row, int column) { cellEdited(table, row, column); });
        m_tables.push_back(table);
        m_tabs->addTab(table, tabName(family));
    }
    m_filling = false;
}

QTableWidget* RulesEditor::table(const std::string& family) const {
    const std::vector<std::string>& families = m_grid.families();
    const auto found = std::find(families.begin(), families.end(), family);
    return found == families.end() ? nullptr
                                   : m_tables[static_cast<std::size_t>(found - families.begin())];
}

QString RulesEditor::problemsAt(int line) const {
    const auto found = m_problems.find(line);
    return found == m_problems.end() ? QString() : found->second;
}

void RulesEditor::cellEdited(QTableWidget* table, int row, int column) {
    if (m_filling || column < kFirstCellColumn) {
        return;
    }
    const auto place = std::find(m_placeOfLine.begin(), m_placeOfLine.end(),
                                 std::pair<QTableWidget*, int>{table, row});
    if (place == m_placeOfLine.end()) {
        return;
    }
    const auto line = static_cast<std::size_t>(place - m_placeOfLine.begin());
    const auto cell = static_cast<std::size_t>(column - kFirstCellColumn);
    const std::string after = table->item(row, column)->text().toStdString();
    const std::string before = m_grid.cell(line, cell);
    if (after != before) {
        m_history.push(new CellEdit(*this, line, cell, before, after));
    }
}

void RulesEditor::applyCell(std::size_t line, std::size_t cell, const std::string& text) {
    m_grid.setCell(line, cell, text);
    const auto [table, row] = m_placeOfLine.at(line);
    const int column = kFirstCellColumn + static_cast<int>(cell);
    QTableWidgetItem* item = table->item(row, column);
    if (item != nullptr && item->text().toStdString() != text) {
        m_filling = true;
        item->setText(QString::fromStdString(text));
        m_filling = false;
    }
    recheck();
}

void RulesEditor::recheck() {
    m_problems.clear();
    const RulesReadResult checked = m_grid.check();
    QStringList wholeFile;
    std::size_t count = 0;
    if (const auto* problems = std::get_if<std::vector<RulesProblem>>(&checked)) {
        count = problems->size();
        for (const RulesProblem& problem : *problems) {
            const QString message = QString::fromStdString(problem.message);
            if (problem.line <= 0 ||
                static_cast<std::size_t>(problem.line) > m_placeOfLine.size()) {
                wholeFile << message;
                continue;
            }
            QString& shown = m_problems[problem.line];
            shown += (shown.isEmpty() ? QString() : QStringLiteral("\n")) + message;
        }
    }
    m_filling = true;
    for (std::size_t line = 0; line < m_placeOfLine.size(); ++line) {
        const auto [table, row] = m_placeOfLine[line];
        const QString problem = problemsAt(static_cast<int>(line) + 1);
        QTableWidgetItem* item = table->item(row, kProblemColumn);
        if (item->text() != problem) {
            item->setText(problem);
            item->setToolTip(problem);
        }
    }
    m_filling = false;
    // A tab holding a problem says so in its name.
    for (int t = 0; t < m_tabs->count(); ++t) {
        const std::string& family = m_grid.families()[static_cast<std::size_t>(t)];
        bool troubled = false;
        for (std::size_t line : m_grid.linesOf(family)) {
            troubled = troubled || m_problems.count(static_cast<int>(line) + 1) > 0;
        }
        m_tabs->setTabText(t, tabName(family) + (troubled ? QStringLiteral(" (!)") : QString()));
    }
    if (count == 0) {
        m_status->setText(tr("The rules are sound."));
    } else {
        QString status =
            count == 1
                ? tr("1 problem: the rules cannot be used until it is mended.")
                : tr("%1 problems: the rules cannot be used until they are mended.").arg(count);
        if (!wholeFile.isEmpty()) {
            status += QLatin1Char(' ') + wholeFile.join(QLatin1Char(' '));
        }
        m_status->setText(status);
    }
}

bool RulesEditor::save() {
    if (m_path.isEmpty()) {
        return saveAs();
    }
    const QString problem = saveTo(m_path);
    warn(problem);
    return problem.isEmpty();
}

bool RulesEditor::saveAs() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save Rules As"), m_path.isEmpty() ? QStringLiteral("house-rules.toml") : m_path,
        tr("Rules files (*.toml);;All files (*)"));
    if (path.isEmpty()) {
        return false;
    }
    const QString problem = saveTo(path);
    warn(problem);
    return problem.isEmpty();
}

QString RulesEditor::saveTo(const QString& path) {
    const QString problem = saveRulesFile(path, m_grid.text());
    if (problem.isEmpty()) {
        m_path = path;
        m_history.setClean();
        updateTitle();
        emit saved(path);
    }
    return problem;
}

void RulesEditor::tryIt() {
    RulesReadResult checked = m_grid.check();
    auto* rules = std::get_if<RuleSet>(&checked);
    if (rules == nullptr) {
        warn(tr("The edited tables have problems; mend them before trying them."));
        return;
    }
    auto edited = std::make_shared<const RuleSet>(std::move(*rules));
    if (m_try) {
        m_try->close();
    }
    m_try = new OddsWindow(m_rating, {}, {}, this);
    m_try->setAttribute(Qt::WA_DeleteOnClose);
    m_try->setWindowTitle(tr("Odds of the Edited Rules - Zuvaduro"));
    m_try->setRulesSource([edited] { return edited; });
    m_try->setComparing(!edited->isBuiltIn());
    m_try->show();
    m_try->run();
}

OddsWindow* RulesEditor::tryWindow() const {
    return m_try;
}

void RulesEditor::updateTitle() {
    const QString name = m_path.isEmpty() ? tr("copy of the built-in tables") : m_path;
    setWindowTitle(tr("Rules Editor - %1[*] - Zuvaduro").arg(name));
    setWindowModified(!m_history.isClean());
}

void RulesEditor::warn(const QString& message) {
    if (!message.isEmpty()) {
        showProgramMessage(this, QMessageBox::Warning, message);
    }
}

void RulesEditor::closeEvent(QCloseEvent* event) {
    if (!m_history.isClean()) {
        const auto answer = QMessageBox::warning(
            this, tr("Zuvaduro"), tr("Save the changes to the rules?"),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Save && !save())) {
            event->ignore();
            return;
        }
    }
    if (m_try) {
        m_try->close();
    }
    QWidget::closeEvent(event);
}
