#pragma once

#include <QPointer>
#include <QString>
#include <QUndoStack>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "view/RulesTextGrid.h"

class OddsWindow;
class QLabel;
class QTabWidget;
class QTableWidget;

// Tools > Rules Editor: a rules file's tables as grids, one tab per family of tables, each row a
// line of the file (see RulesTextGrid), so comments and layout are kept. The check runs as you
// type and puts each problem beside the row it concerns. Every cell edit is one step of the
// editor's own history. Save and Save As replace the file only once it is complete; Try it
// shows the odds of the rating with the edited tables beside the built-in ones, without saving.
class RulesEditor : public QWidget {
    Q_OBJECT
public:
    // Column 0 is the file's line number, column 1 the problems of that line, the cells follow.
    static constexpr int kLineColumn = 0;
    static constexpr int kProblemColumn = 1;
    static constexpr int kFirstCellColumn = 2;

    // `path` empty: a copy of the built-in tables, which Save asks a name for. `rating` is the
    // one Try it rolls.
    RulesEditor(const QString& path, const std::string& text, std::string rating,
                QWidget* parent = nullptr);
    ~RulesEditor() override;

    QUndoStack& history() { return m_history; }
    const RulesTextGrid& grid() const { return m_grid; }
    // The grid of a family ("offer_count", "employer", ...); nullptr when the file has none.
    QTableWidget* table(const std::string& family) const;
    // The problems shown beside file line `line` (from 1), one per line of text.
    QString problemsAt(int line) const;
    const QString& path() const { return m_path; }

    // The file's own name, or a name asked for; false when nothing was written.
    bool save();
    bool saveAs();
    // Writes the edited text to `path`; the message for the user on failure, else empty.
    QString saveTo(const QString& path);
    // The odds of the rating with the edited tables beside the built-in ones; refused while the
    // tables have problems.
    void tryIt();
    OddsWindow* tryWindow() const;

    // Sets one cell, in the grid and on screen, without recording a step (undo and redo use it).
    void applyCell(std::size_t line, std::size_t cell, const std::string& text);

signals:
    // The file at `path` was written.
    void saved(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createTables();
    void cellEdited(QTableWidget* table, int row, int column);
    void recheck();
    void warn(const QString& message);
    void updateTitle();

    RulesTextGrid m_grid;
    QString m_path;
    std::string m_rating;
    QUndoStack m_history;
    QTabWidget* m_tabs = nullptr;
    QLabel* m_status = nullptr;
    std::vector<QTableWidget*> m_tables;  // by family, in families() order
    // Where each line is shown: its table and row.
    std::vector<std::pair<QTableWidget*, int>> m_placeOfLine;
    std::map<int, QString> m_problems;  // by file line
    bool m_filling = false;
    QPointer<OddsWindow> m_try;
};
