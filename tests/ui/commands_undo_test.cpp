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

using Step = std::function<void(ContractDocument&, QUndoStack&, FakePrompts&)>;

const std::pair<const char*, Step> kSteps[] = {
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
    {"Roll Assignment Again", [](ContractDocument& doc, QUndoStack& history,
                                 FakePrompts&) { runRollTermAgain(doc, history, 23); }},
};

// An opened document: named offers, a rating, custom choices, a file.
struct OpenedDocument {
    OpenedDocument() {
        doc.m_rating = "B";
        testsupport::fillOffers(doc, 3);
        doc.m_customChoices.support = "80%";
        doc.setTitle("spring.did");
        doc.setPathName("/campaign/spring.did");
    }
    MemorySettings settings;
    ContractDocument doc{settings, 5u};
    QUndoStack history;
    FakePrompts prompts;
};

TEST(UndoHistory, undoAndRedoOfEachStepRestoreTheWholeDocumentBeforeAndAfter) {
    for (const auto& [name, step] : kSteps) {
        OpenedDocument opened;
        ContractDocument& doc = opened.doc;
        const ContentCommand::State before = ContentCommand::stateOf(doc);
        step(doc, opened.history, opened.prompts);
        const ContentCommand::State after = ContentCommand::stateOf(doc);
        ASSERT_NE(after.content, before.content) << name;
        ASSERT_EQ(opened.history.count(), 1) << name;
        EXPECT_EQ(opened.history.undoText(), name);
        // Neither undo nor redo touches the dice.
        const std::uint32_t generator = doc.generatorState();
        opened.history.undo();
        EXPECT_EQ(ContentCommand::stateOf(doc), before) << name;
        opened.history.redo();
        EXPECT_EQ(ContentCommand::stateOf(doc), after) << name;
        EXPECT_EQ(doc.generatorState(), generator) << name;
    }
}

TEST(UndoHistory, newDiceAfterUndoAndASaveInBetweenKeepsItsFile) {
    OpenedDocument opened;
    ContractDocument& doc = opened.doc;
    kSteps[0].second(doc, opened.history, opened.prompts);
    const DocumentContent first = doc.content();
    opened.history.undo();
    kSteps[0].second(doc, opened.history, opened.prompts);
    EXPECT_NE(doc.content(), first);
    // Saved under another name after the generation: undo keeps that file, not the old one.
    doc.setPathName("/campaign/summer.did");
    opened.history.undo();
    EXPECT_EQ(doc.m_offers[0].employer, "o1-employer");
    EXPECT_EQ(doc.pathName(), "/campaign/summer.did");
    // An edit that keeps the text is no step.
    opened.prompts.editAnswer = "B";
    runLineEdit(doc, opened.history, opened.prompts, 1);
    EXPECT_EQ(opened.history.count(), 1);
}

}  // namespace
