#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "document/MemorySettings.h"
#include "listing/RollExplanation.h"
#include "session/DocumentSession.h"
#include "shell/DesktopApp.h"
#include "shell/MainWindow.h"
#include "shell/RecentFileList.h"
#include "tests/support/HouseRules.h"
#include "tests/ui/FakePrompts.h"
#include "tests/ui/shell_test_support.h"
#include "view/OfferDetails.h"
#include "view/RulesEditor.h"

namespace {

using shelltest::shownTitle;
using shelltest::writeFile;

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

class RulesChoice : public ::testing::Test {
protected:
    RulesChoice() {
        EXPECT_TRUE(writeFile(housePath, QByteArray::fromStdString(testsupport::houseRulesText())));
        // A row that leaves totals of the offer count uncovered: line and column are known.
        std::string broken = testsupport::houseRulesText();
        broken.replace(broken.find("{ low = 4, high = 5, value = 1 },"), 33,
                       "{ low = 5, high = 5, value = 1 },");
        EXPECT_TRUE(writeFile(brokenPath, QByteArray::fromStdString(broken)));
    }
    std::string stored() {
        return settings.readText(settings::kRulesSection, settings::kRulesFile, "<absent>");
    }

    QTemporaryDir dir;
    QString housePath = dir.filePath("clan.toml");
    QString brokenPath = dir.filePath("broken.toml");
    MemorySettings settings;
};

// Options takes a sound file, refuses a broken one without a trace, and goes back to the
// built-in tables; the title names the rules whenever they are not the built-in ones.
TEST_F(RulesChoice, optionsTakesASoundFileRefusesABrokenOneAndGoesBackToBuiltIn) {
    DocumentSession session(settings, 1u);
    RecentFileList recent;
    FakePrompts prompts;
    MainWindow window(session, recent, &prompts);
    session.document().resetToUntitled();
    window.updateWindowTitle();
    const auto chooseInOptions = [&](const QString& path) {
        prompts.optionsAnswer =
            OptionsValues{"3055", "100000", "Unknown", "1 Mech", path.toStdString()};
        window.action(Command::Options)->trigger();
    };

    chooseInOptions(housePath);
    EXPECT_TRUE(prompts.warnings.isEmpty());
    EXPECT_EQ(stored(), housePath.toStdString());
    EXPECT_EQ(session.rules().name, "Clan Invasion");
    EXPECT_EQ(shownTitle(window),
              QStringLiteral("Untitled - Zuvaduro - house rules 'Clan Invasion'"));

    // New Random rolls with them, and the explanations and the details say so.
    prompts.ratingAnswer = "A";
    window.action(Command::NewRandom)->trigger();
    ASSERT_GT(session.document().m_offerCount, 0);
    const std::optional<std::string> why =
        explainField(session.document(), 0, &ContractOffer::salvageRights);
    ASSERT_TRUE(why.has_value());
    EXPECT_EQ(why->rfind("house rules 'Clan Invasion': ", 0), 0u) << *why;
    EXPECT_TRUE(buildOfferDetails(session.document())
                    .summary.endsWith(QStringLiteral(", house rules 'Clan Invasion'")));

    const QByteArray brokenBefore = fileBytes(brokenPath);
    chooseInOptions(brokenPath);
    ASSERT_EQ(prompts.warnings.size(), 1);
    EXPECT_TRUE(prompts.warnings[0].contains(brokenPath + QStringLiteral(":")));
    EXPECT_EQ(stored(), housePath.toStdString());
    EXPECT_EQ(session.rules().name, "Clan Invasion");
    EXPECT_EQ(fileBytes(brokenPath), brokenBefore);
    // The dialog shows what the settings name.
    EXPECT_EQ(prompts.optionsShown.back().rulesFile, housePath.toStdString());

    chooseInOptions({});
    EXPECT_EQ(stored(), "");
    EXPECT_TRUE(session.rules().isBuiltIn());
    window.action(Command::NewRandom)->trigger();
    EXPECT_FALSE(buildOfferDetails(session.document()).summary.contains(QStringLiteral("house")));
    EXPECT_EQ(shownTitle(window), QStringLiteral("Untitled* - Zuvaduro"));
}

// A file that no longer loads at the start: one message naming it and its first problem, the
// built-in tables, and the setting kept so that mending the file brings it back.
TEST_F(RulesChoice, aFileThatNoLongerLoadsAtTheStartLeavesBuiltInTablesAndTheSetting) {
    const struct {
        const char* what;
        QString path;
        QString named;  // what the message must hold
    } cases[] = {
        {"broken", brokenPath, brokenPath + QStringLiteral(":")},
        {"moved", dir.filePath("gone.toml"), dir.filePath("gone.toml")},
        {"a folder", dir.path(), dir.path()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        settings.writeText(settings::kRulesSection, settings::kRulesFile, c.path.toStdString());
        DesktopApp app(settings, {});
        ASSERT_TRUE(app.start({}));
        EXPECT_TRUE(app.rulesProblem().contains(c.named)) << app.rulesProblem().toStdString();
        EXPECT_TRUE(app.session().rules().isBuiltIn());
        EXPECT_EQ(stored(), c.path.toStdString());
        EXPECT_EQ(shownTitle(*app.mainWindow()), QStringLiteral("Untitled - Zuvaduro"));
    }

    settings.writeText(settings::kRulesSection, settings::kRulesFile, housePath.toStdString());
    DesktopApp app(settings, {});
    ASSERT_TRUE(app.start({}));
    EXPECT_EQ(app.rulesProblem(), "");
    EXPECT_EQ(app.session().rules().name, "Clan Invasion");
}

// Unsaved edits in the Rules Editor are asked about when the main window closes, by File > Exit
// or by the window's own close: Cancel keeps the program running with the edit in place, Discard
// lets the window close.
TEST_F(RulesChoice, closingTheMainWindowAsksAboutTheEditorsEditsAndCancelKeepsThem) {
    for (const bool byExit : {true, false}) {
        SCOPED_TRACE(byExit ? "File > Exit" : "window close");
        DocumentSession session(settings, 1u);
        RecentFileList recent;
        FakePrompts prompts;
        MainWindow window(session, recent, &prompts);
        session.document().resetToUntitled();
        window.show();
        window.action(Command::RulesEditor)->trigger();
        auto* editor = window.findChild<RulesEditor*>();
        ASSERT_NE(editor, nullptr);
        QTableWidget* counts = editor->table("offer_count");
        ASSERT_NE(counts, nullptr);
        QTableWidgetItem* cell = counts->item(0, RulesEditor::kFirstCellColumn);
        const QString edited = cell->text() + QStringLiteral(" ");
        cell->setText(edited);
        ASSERT_FALSE(editor->history().isClean());

        const auto closeAnswering = [&](QMessageBox::StandardButton answer) {
            QString asked;
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (box != nullptr) {
                    asked = box->text();
                    box->button(answer)->click();
                }
            });
            if (byExit) {
                window.action(Command::Exit)->trigger();
            } else {
                window.close();
            }
            return asked;
        };
        EXPECT_EQ(closeAnswering(QMessageBox::Cancel), "Save the changes to the rules?");
        EXPECT_TRUE(window.isVisible());
        ASSERT_EQ(window.findChild<RulesEditor*>(), editor);
        EXPECT_TRUE(editor->isVisible());
        EXPECT_EQ(cell->text(), edited);
        EXPECT_FALSE(editor->history().isClean());

        EXPECT_EQ(closeAnswering(QMessageBox::Discard), "Save the changes to the rules?");
        EXPECT_FALSE(window.isVisible());
    }
}

}  // namespace
