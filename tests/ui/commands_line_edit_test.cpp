#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include "document/ContractDocument.h"
#include "document/MemorySettings.h"
#include "session/DocumentSession.h"
#include "tests/support/Offers.h"
#include "tests/ui/FakePrompts.h"
#include "tests/ui/dialogs_test_util.h"
#include "view/Commands.h"
#include "view/DialogPrompts.h"
#include "view/EditLineDialog.h"

namespace {

// A new document of rating "B" whose every field names itself, so a test sees which one a line
// reached.
void fillOffers(ContractDocument& doc, int count) {
    doc.resetToUntitled();
    doc.m_rating = "B";
    testsupport::fillOffers(doc, count);
}

struct LineCase {
    int offers;
    int line;
    const char* prompt;  // nullptr: not editable
    const char* text;
};

// clang-format off
const LineCase kLineCases[] = {
    {0, 1,  "Dragoon's Rating", "B"},
    {0, 5,  nullptr, nullptr},
    {0, 9,  nullptr, nullptr},
    {0, 21, nullptr, nullptr},
    {0, 24, nullptr, nullptr},
    {0, 36, nullptr, nullptr},
    {0, 39, nullptr, nullptr},
    {2, 1,  "Dragoon's Rating", "B"},
    {2, 5,  "Employer: o1-employer", "o1-employer"},
    {2, 9,  nullptr, nullptr},  // the "Support:" sub-heading
    {2, 21, nullptr, nullptr},  // the second offer's header
    {2, 24, "Contract Length: o2-contractLength", "o2-contractLength"},
    {2, 36, "Location: o2-location", "o2-location"},
    {2, 39, nullptr, nullptr},  // the third offer does not exist
};
// clang-format on

TEST(LineEditCommand, opensTheLinesFieldOrWarns) {
    for (const LineCase& c : kLineCases) {
        MemorySettings settings;
        DocumentSession session(settings, 1u);
        ContractDocument& doc = session.document();
        fillOffers(doc, c.offers);
        FakePrompts fake;
        fake.editAnswer = "edited";
        runLineEdit(session, fake, c.line);

        const std::string where =
            std::to_string(c.offers) + " offers, line " + std::to_string(c.line);
        if (c.prompt == nullptr) {
            EXPECT_TRUE(fake.editsShown.empty()) << where;
            EXPECT_EQ(fake.warnings, QStringList{"Please Select A Valid Line"}) << where;
            MemorySettings untouchedSettings;
            ContractDocument untouched(untouchedSettings);
            fillOffers(untouched, c.offers);
            EXPECT_EQ(doc.m_offers, untouched.m_offers) << where;
            EXPECT_EQ(doc.m_rating, "B") << where;
            continue;
        }
        EXPECT_TRUE(fake.warnings.isEmpty()) << where;
        ASSERT_EQ(fake.editsShown.size(), 1u) << where;
        EXPECT_EQ(fake.editsShown[0].first, c.prompt) << where;
        EXPECT_EQ(fake.editsShown[0].second, c.text) << where;
    }
}

TEST(LineEditCommand, okStoresTheTextExactlyAndCancelLeavesIt) {
    MemorySettings settings;
    DocumentSession session(settings, 1u);
    ContractDocument& doc = session.document();
    fillOffers(doc, 2);
    FakePrompts fake;

    runLineEdit(session, fake, 36);  // no answer: Cancel
    EXPECT_EQ(doc.m_offers[1].location, "o2-location");

    for (const char* typed : {"  Tharkad ", "", "zz"}) {
        fake.editAnswer = typed;
        runLineEdit(session, fake, 36);
        EXPECT_EQ(doc.m_offers[1].location, typed);
    }
    fake.editAnswer = "E";
    runLineEdit(session, fake, 1);
    EXPECT_EQ(doc.m_rating, "E");
    EXPECT_EQ(doc.m_offers[0].location, "o1-location");
    EXPECT_EQ(doc.m_offerCount, 2);
}

TEST(LineEditDialog, roundTripThroughTheRealDialog) {
    MemorySettings settings;
    DocumentSession session(settings, 1u);
    ContractDocument& doc = session.document();
    fillOffers(doc, 2);
    DialogPrompts prompts(nullptr);
    ModalDriver driver;

    QString promptShown;
    QString textShown;
    bool editFocused = false;
    driver.whenShown<EditLineDialog>([&](EditLineDialog& dialog) {
        promptShown = control<QLabel>(dialog, EditLineDialog::kPromptId)->text();
        auto* edit = control<QLineEdit>(dialog, EditLineDialog::kTextId);
        textShown = edit->text();
        editFocused = QApplication::focusWidget() == edit;
        // The whole text is selected, so typing replaces it.
        QTest::keyClicks(edit, "Tharkad");
        QTest::keyClick(edit, Qt::Key_Return);
    });
    runLineEdit(session, prompts, 36);
    EXPECT_EQ(promptShown, "Location: o2-location");
    EXPECT_EQ(textShown, "o2-location");
    EXPECT_TRUE(editFocused);
    EXPECT_EQ(doc.m_offers[1].location, "Tharkad");

    driver.whenShown<EditLineDialog>([&](EditLineDialog& dialog) {
        QTest::keyClicks(control<QLineEdit>(dialog, EditLineDialog::kTextId), "Outreach");
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    runLineEdit(session, prompts, 36);
    EXPECT_EQ(doc.m_offers[1].location, "Tharkad");

    driver.whenShown<EditLineDialog>([&](EditLineDialog& dialog) {
        control<QLineEdit>(dialog, EditLineDialog::kTextId)->clear();
        QTest::mouseClick(control<QPushButton>(dialog, 1), Qt::LeftButton);
    });
    runLineEdit(session, prompts, 1);
    EXPECT_EQ(doc.m_rating, "");
}

}  // namespace
