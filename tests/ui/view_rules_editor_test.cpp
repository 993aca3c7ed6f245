#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>

#include "tests/support/HouseRules.h"
#include "view/RulesEditor.h"

namespace {

// The row of `table` whose first cell reads `text`; -1 when none does.
int rowWithCell(QTableWidget& table, const QString& text) {
    for (int r = 0; r < table.rowCount(); ++r) {
        if (table.item(r, RulesEditor::kFirstCellColumn)->text() == text) {
            return r;
        }
    }
    return -1;
}

// An edit that leaves a total uncovered shows the problem beside its row at once; undo takes
// the edit and the problem away, redo brings both back.
TEST(RulesEditor, anEditShowsItsProblemBesideTheRowAndUndoTakesItBack) {
    RulesEditor editor({}, testsupport::houseRulesText(), "B");
    auto* status = editor.findChild<QLabel*>("rulesStatus");
    EXPECT_EQ(status->text(), "The rules are sound.");
    QTableWidget* counts = editor.table("offer_count");
    ASSERT_NE(counts, nullptr);
    const int row = rowWithCell(*counts, "low = 4");
    ASSERT_GE(row, 0);
    const int line = counts->item(row, RulesEditor::kLineColumn)->text().toInt();
    QTableWidgetItem* cell = counts->item(row, RulesEditor::kFirstCellColumn);

    cell->setText("low = 5");
    EXPECT_EQ(editor.history().count(), 1);
    EXPECT_TRUE(editor.problemsAt(line).contains("4 is not covered"))
        << editor.problemsAt(line).toStdString();
    EXPECT_EQ(counts->item(row, RulesEditor::kProblemColumn)->text(), editor.problemsAt(line));
    EXPECT_NE(status->text(), "The rules are sound.");
    EXPECT_NE(editor.grid().text(), testsupport::houseRulesText());

    editor.history().undo();
    EXPECT_EQ(cell->text(), "low = 4");
    EXPECT_EQ(editor.problemsAt(line), "");
    EXPECT_EQ(counts->item(row, RulesEditor::kProblemColumn)->text(), "");
    EXPECT_EQ(status->text(), "The rules are sound.");
    EXPECT_EQ(editor.grid().text(), testsupport::houseRulesText());

    editor.history().redo();
    EXPECT_EQ(cell->text(), "low = 5");
    EXPECT_TRUE(editor.problemsAt(line).contains("4 is not covered"));
}

// Save writes the file whole with its comments; an edited row reads back as edited.
TEST(RulesEditor, saveKeepsCommentsAndWritesTheEditedRow) {
    QTemporaryDir dir;
    const QString path = dir.filePath("house.toml");
    const std::string original = testsupport::houseRulesText();
    RulesEditor editor(path, original, "B");
    QTableWidget* salvage = editor.table("salvage");
    ASSERT_NE(salvage, nullptr);
    const int row = rowWithCell(*salvage, "low = 8");
    ASSERT_GE(row, 0);
    salvage->item(row, RulesEditor::kFirstCellColumn + 2)->setText("value = \"Half Rights\"");
    EXPECT_EQ(editor.saveTo(path), "");
    EXPECT_TRUE(editor.history().isClean());

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::string expected = original;
    const std::string from = "value = \"Exchange Rights\"";
    expected.replace(expected.find(from), from.size(), "value = \"Half Rights\"");
    EXPECT_EQ(file.readAll().toStdString(), expected);
}

}  // namespace
