#include <gtest/gtest.h>

#include <QUndoStack>
#include <functional>

#include "document/ContractDocument.h"
#include "document/MemorySettings.h"
#include "tests/support/Offers.h"
#include "tests/ui/FakePrompts.h"
#include "view/Commands.h"
#include "view/ContentCommand.h"

namespace {

using State = ContentCommand::State;

// An opened document: three named offers, a rating, custom choices, a file.
void openLike(ContractDocument& doc) {
    doc.m_rating = "B";
    testsupport::fillOffers(doc, 3);
    doc.m_customChoices.support = "80%";
    doc.setTitle("spring.did");
    doc.setPathName("/campaign/spring.did");
}

struct StepRow {
    const char* name;  // the step's name in Undo and Redo
    std::function<void(ContractDocument&, QUndoStack&, FakePrompts&)> run;
};

const StepRow kSteps[] = {
    {"New Random",
     [](ContractDocument& doc, QUndoStack& history, FakePrompts& prompts) {
         prompts.ratingAnswer = "A";
         runNewRandom(doc, history, prompts);
     }},
    {"New Custom",
     [](ContractDocument& doc, QUndoStack& history, FakePrompts& prompts) {
         OfferChoices choices;
         choices.employer = "Kell Hounds";
         prompts.customAnswer = std::make_pair(std::string("C"), choices);
         runNewCustom(doc, history, prompts);
     }},
    {"Edit Location",
     [](ContractDocument& doc, QUndoStack& history, FakePrompts& prompts) {
         prompts.editAnswer = "Tharkad";
         runLineEdit(doc, history, prompts, 19);
     }},
    {"Roll Assignment Again",
     [](ContractDocument& doc, QUndoStack& history, FakePrompts&) {
         runRollTermAgain(doc, history, 23);  // the second offer's
     }},
};

TEST(UndoHistory, undoAndRedoOfEachStepRestoreTheWholeDocumentBeforeAndAfter) {
    for (const StepRow& row : kSteps) {
        MemorySettings settings;
        ContractDocument doc(settings, 20240613u);
        openLike(doc);
        QUndoStack history;
        FakePrompts prompts;
        const State before = ContentCommand::stateOf(doc);
        row.run(doc, history, prompts);
        const State after = ContentCommand::stateOf(doc);
        ASSERT_NE(after.content, before.content) << row.name;
        ASSERT_EQ(history.count(), 1) << row.name;
        EXPECT_EQ(history.undoText(), row.name);

        // Neither undo nor redo touches the dice.
        const std::uint32_t generator = doc.generatorState();
        history.undo();
        EXPECT_EQ(ContentCommand::stateOf(doc), before) << row.name;
        history.redo();
        EXPECT_EQ(ContentCommand::stateOf(doc), after) << row.name;
        EXPECT_EQ(doc.generatorState(), generator) << row.name;
    }
}

TEST(UndoHistory, newDiceAfterUndoAndASaveInBetweenKeepsItsFile) {
    MemorySettings settings;
    ContractDocument doc(settings, 5u);
    openLike(doc);
    QUndoStack history;
    FakePrompts prompts;
    prompts.ratingAnswer = "A";
    runNewRandom(doc, history, prompts);
    const DocumentContent first = doc.content();
    history.undo();
    runNewRandom(doc, history, prompts);
    EXPECT_NE(doc.content(), first);
    EXPECT_EQ(history.count(), 1);

    // Saved under another name after the generation: undo keeps that file, not the old one.
    doc.setTitle("summer.did");
    doc.setPathName("/campaign/summer.did");
    history.undo();
    EXPECT_EQ(doc.m_offers[0].employer, "o1-employer");
    EXPECT_EQ(doc.pathName(), "/campaign/summer.did");

    // An edit that keeps the text is no step.
    prompts.editAnswer = "B";
    runLineEdit(doc, history, prompts, 1);
    EXPECT_EQ(history.count(), 1);
}

}  // namespace
