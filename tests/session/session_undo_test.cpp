#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QUndoStack>
#include <functional>
#include <string>

#include "document/ContractDocument.h"
#include "document/MemorySettings.h"
#include "generate/DocumentGeneration.h"
#include "session/DocumentSession.h"
#include "tests/support/Offers.h"

namespace {

using Step = std::function<void(DocumentSession&)>;

const std::pair<const char*, Step> kSteps[] = {
    {"New Random",
     [](DocumentSession& session) {
         session.record(QStringLiteral("New Random"), [&] {
             session.document().m_rating = "A";
             session.document().resetToUntitled();
             session.generateOffers("A", OfferChoices{});
         });
     }},
    {"New Custom",
     [](DocumentSession& session) {
         OfferChoices choices;
         choices.employer = "Kell Hounds";
         session.record(QStringLiteral("New Custom"), [&] {
             session.document().m_rating = "C";
             session.document().m_customChoices = choices;
             session.document().resetToUntitled();
             session.generateOffers("C", choices);
         });
     }},
    {"Edit Location",
     [](DocumentSession& session) {
         session.record(QStringLiteral("Edit Location"),
                        [&] { session.document().m_offers[0].location = "Tharkad"; });
     }},
    {"Roll Assignment Again",
     [](DocumentSession& session) {
         session.rollTermAgain(QStringLiteral("Roll Assignment Again"), 0,
                               &ContractOffer::assignment);
     }},
};

// The document as a step keeps it: its content, title and path.
struct State {
    DocumentContent content;
    std::string title;
    std::string pathName;
    bool operator==(const State&) const = default;
};

State stateOf(const ContractDocument& doc) {
    return {doc.content(), doc.title(), doc.pathName()};
}

const ContentCommand& step(const DocumentSession& session, int index) {
    return *static_cast<const ContentCommand*>(session.history().command(index));
}

// An opened document: named offers, a rating, custom choices, a file.
struct OpenedDocument {
    OpenedDocument() {
        doc.m_rating = "B";
        testsupport::fillOffers(doc, 3);
        doc.m_customChoices.support = "80%";
        doc.setTitle("spring.did");
        doc.setPathName("/campaign/spring.did");
        QObject::connect(&session, &DocumentSession::changed, [this] { ++changes; });
    }
    MemorySettings settings;
    DocumentSession session{settings, 5u};
    ContractDocument& doc = session.document();
    int changes = 0;
};

TEST(UndoHistory, undoAndRedoOfEachStepRestoreTheWholeDocumentWithOneNotificationEach) {
    for (const auto& [name, run] : kSteps) {
        OpenedDocument opened;
        ContractDocument& doc = opened.doc;
        const State before = stateOf(doc);
        run(opened.session);
        const State after = stateOf(doc);
        ASSERT_NE(after.content, before.content) << name;
        ASSERT_EQ(opened.session.history().count(), 1) << name;
        EXPECT_EQ(opened.session.history().undoText(), name);
        EXPECT_TRUE(opened.session.isModified()) << name;
        // Neither undo nor redo touches the dice.
        const std::uint32_t generator = opened.session.generator().state();
        opened.session.undo();
        EXPECT_EQ(stateOf(doc), before) << name;
        EXPECT_FALSE(opened.session.isModified()) << name;
        opened.session.redo();
        EXPECT_EQ(stateOf(doc), after) << name;
        EXPECT_EQ(opened.session.generator().state(), generator) << name;
        EXPECT_EQ(opened.changes, 3) << name;
    }
}

TEST(UndoHistory, newDiceAfterUndoAndASaveInBetweenKeepsItsFile) {
    OpenedDocument opened;
    ContractDocument& doc = opened.doc;
    kSteps[0].second(opened.session);
    const DocumentContent first = doc.content();
    opened.session.undo();
    kSteps[0].second(opened.session);
    EXPECT_NE(doc.content(), first);
    // Saved under another name after the generation: undo keeps that file, not the old one.
    doc.setPathName("/campaign/summer.did");
    opened.session.undo();
    EXPECT_EQ(doc.m_offers[0].employer, "o1-employer");
    EXPECT_EQ(doc.pathName(), "/campaign/summer.did");
    // An edit that keeps the text is no step.
    opened.session.record(QStringLiteral("Edit Rating"), [&] { doc.m_rating = "B"; });
    EXPECT_EQ(opened.session.history().count(), 1);
}

TEST(UndoHistory, aTermRolledAgainToTheSameTextChangesNothingAndAddsNoStep) {
    OpenedDocument opened;
    ContractDocument& doc = opened.doc;
    // What the session's next roll of the assignment comes to, written in beforehand.
    DocumentContent probe = doc.content();
    Generator dice = opened.session.generator();
    rollTermAgain(probe, 0, &ContractOffer::assignment, doc.basePay(), builtInRules(), dice);
    doc.m_offers[0].assignment = probe.offers[0].assignment;
    const DocumentContent before = doc.content();
    EXPECT_FALSE(opened.session.rollTermAgain(QStringLiteral("Roll Assignment Again"), 0,
                                              &ContractOffer::assignment));
    EXPECT_EQ(doc.content(), before);
    EXPECT_EQ(opened.session.history().count(), 0);
    EXPECT_EQ(opened.changes, 0);
}

// Neighbouring steps share one content; the history keeps 200 steps of a small document and
// fewer of a large one, and what it keeps still undoes to the right content and clean state.
TEST(UndoHistory, stepsShareTheirContentsAndTheHistoryKeepsToItsLimits) {
    OpenedDocument opened;
    ContractDocument& doc = opened.doc;
    const auto edit = [&](int i) {
        opened.session.record(QStringLiteral("Edit Employer"),
                              [&] { doc.m_offers[0].employer = "E" + std::to_string(i); });
    };
    for (int i = 0; i < DocumentSession::kHistorySteps + 10; ++i) {
        edit(i);
    }
    const QUndoStack& history = opened.session.history();
    ASSERT_EQ(history.count(), DocumentSession::kHistorySteps);
    for (int i = 1; i < history.count(); ++i) {
        ASSERT_EQ(step(opened.session, i - 1).after().content,
                  step(opened.session, i).before().content);
    }

    doc.m_offers[1].location = std::string(std::size_t{10} << 20, 'x');
    QTemporaryDir dir;
    FileQuestions ask;
    ask.savePath = [&dir](const QString&, QString& path) {
        path = dir.filePath(QStringLiteral("big.did"));
        return true;
    };
    for (int i = 0; i < 20; ++i) {
        edit(1000 + i);
        if (i == 17) {
            ASSERT_TRUE(opened.session.saveAs(ask).done());
        }
    }
    const int kept = history.count();
    EXPECT_EQ(kept,
              static_cast<int>(DocumentSession::kHistoryBytes / contentBytes(doc.content())) - 1);
    for (int i = 0; i < kept; ++i) {
        opened.session.undo();
        EXPECT_EQ(opened.session.isModified(), i != 1) << i;
    }
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(doc.m_offers[0].employer, "E" + std::to_string(1019 - kept));
    EXPECT_EQ(doc.m_offers[1].location.size(), std::size_t{10} << 20);
}

}  // namespace
