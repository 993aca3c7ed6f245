#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include "document/ContractDocument.h"
#include "document/MemorySettings.h"
#include "session/DocumentSession.h"
#include "tests/support/SeededDocument.h"
#include "tests/ui/FakePrompts.h"
#include "tests/ui/dialogs_test_util.h"
#include "view/Commands.h"
#include "view/DialogPrompts.h"
#include "view/NewRandomDialog.h"

namespace {

constexpr std::uint32_t kSeed = 20240613;

// Everything a generation may change, to prove that a cancelled one changed nothing.
struct Snapshot {
    std::int32_t count;
    std::string rating;
    OfferChoices choices;
    std::array<ContractOffer, 4> offers;
    std::string title;
    std::uint32_t generator;
    bool operator==(const Snapshot&) const = default;
};

Snapshot take(DocumentSession& session) {
    const ContractDocument& doc = session.document();
    return {doc.m_offerCount, doc.m_rating, doc.m_customChoices,
            doc.m_offers,     doc.title(),  session.generator().state()};
}

class NewRandomCommand : public ::testing::Test {
protected:
    NewRandomCommand() {
        doc.setTitle("Saved.did");
        doc.m_offers[0].location = "Tharkad";
    }
    MemorySettings settings;
    DocumentSession session{settings, kSeed};
    ContractDocument& doc = session.document();
    DialogPrompts prompts{nullptr};
    ModalDriver driver;
};

TEST_F(NewRandomCommand, cancelInTheDialogChangesNothing) {
    const Snapshot before = take(session);
    driver.whenShown<NewRandomDialog>([](NewRandomDialog& dialog) {
        auto* combo = control<QComboBox>(dialog, NewRandomDialog::kRatingId);
        combo->lineEdit()->setText("A");
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    runNewRandom(session, prompts);
    EXPECT_EQ(take(session), before);

    driver.whenShown<NewRandomDialog>([](NewRandomDialog& dialog) {
        QTest::mouseClick(control<QPushButton>(dialog, 2), Qt::LeftButton);
    });
    runNewRandom(session, prompts);
    EXPECT_EQ(take(session), before);
}

TEST_F(NewRandomCommand, enterAtOnceConfirmsTheRatingShownAndGenerates) {
    doc.m_rating = "b";
    QString shown;
    driver.whenShown<NewRandomDialog>([&](NewRandomDialog& dialog) {
        shown = control<QComboBox>(dialog, NewRandomDialog::kRatingId)->currentText();
        EXPECT_EQ(QApplication::focusWidget(), control<QPushButton>(dialog, 1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    runNewRandom(session, prompts);
    EXPECT_EQ(shown, "B");
    EXPECT_EQ(doc.m_rating, "B");
    // The reset ran: new title, default location back in every offer.
    EXPECT_EQ(doc.title(), "Untitled");
    EXPECT_EQ(doc.m_offers[0].location, "Outreach");
    EXPECT_NE(session.generator().state(), kSeed);
}

TEST_F(NewRandomCommand, keepsATwoLetterRatingAsTyped) {
    driver.whenShown<NewRandomDialog>([](NewRandomDialog& dialog) {
        auto* combo = control<QComboBox>(dialog, NewRandomDialog::kRatingId);
        combo->setFocus();
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), "AB");
        QTest::mouseClick(control<QPushButton>(dialog, 1), Qt::LeftButton);
    });
    runNewRandom(session, prompts);
    EXPECT_EQ(doc.m_rating, "AB");
    EXPECT_EQ(doc.title(), "Untitled");
}

TEST_F(NewRandomCommand, generatesWithEveryTermRandomAndKeepsTheCustomChoices) {
    doc.m_customChoices.employer = "Kell Hounds";
    doc.m_customChoices.support = "80%";
    FakePrompts fake;
    fake.ratingAnswer = "C";
    runNewRandom(session, fake);

    MemorySettings otherSettings;
    testsupport::SeededDocument expected(otherSettings, kSeed);
    expected.m_rating = "C";
    expected.resetToUntitled();
    expected.generateOffers("C", OfferChoices{});

    ASSERT_EQ(fake.ratingsShown, std::vector<std::string>{"D"});
    EXPECT_EQ(doc.m_offerCount, expected.m_offerCount);
    EXPECT_EQ(doc.m_offers, expected.m_offers);
    EXPECT_EQ(doc.m_customChoices.employer, "Kell Hounds");
    EXPECT_EQ(doc.m_customChoices.support, "80%");
}

}  // namespace
