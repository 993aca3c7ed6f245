#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest/QTest>
#include <map>

#include "document/ContractDocument.h"
#include "document/MemorySettings.h"
#include "session/DocumentSession.h"
#include "tests/support/SeededDocument.h"
#include "tests/ui/FakePrompts.h"
#include "tests/ui/dialogs_test_util.h"
#include "view/Commands.h"
#include "view/DialogPrompts.h"
#include "view/NewCustomDialog.h"

namespace {

QComboBox* combo(QDialog& dialog, int id) {
    return control<QComboBox>(dialog, id);
}

void type(QComboBox* combo, const char* text) {
    combo->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QString::fromUtf8(text));
}

void clickOk(QDialog& dialog) {
    QTest::mouseClick(control<QPushButton>(dialog, 1), Qt::LeftButton);
}

// A seed whose generation for `rating` yields at least `offers` offers.
std::uint32_t seedWithOffers(const std::string& rating, int offers) {
    for (std::uint32_t seed = 1; seed < 1000; ++seed) {
        MemorySettings settings;
        testsupport::SeededDocument probe(settings, seed);
        probe.resetToUntitled();
        probe.generateOffers(rating, OfferChoices{});
        if (probe.m_offerCount >= offers) {
            return seed;
        }
    }
    ADD_FAILURE() << "no seed below 1000 gives " << offers << " offers";
    return 0;
}

class NewCustomCommand : public ::testing::Test {
protected:
    MemorySettings settings;
    DocumentSession session{settings, seedWithOffers("A", 1)};
    ContractDocument& doc = session.document();
    DialogPrompts prompts{nullptr};
    ModalDriver driver;
};

TEST_F(NewCustomCommand, cancelChangesNeitherTheOffersNorTheChoices) {
    doc.m_offers[0].employer = "kept";
    doc.setTitle("Saved.did");
    driver.whenShown<NewCustomDialog>([](NewCustomDialog& dialog) {
        type(combo(dialog, NewCustomDialog::kEmployerId), "Wolf's Dragoons");
        type(combo(dialog, NewCustomDialog::kRatingId), "A");
        QTest::mouseClick(control<QPushButton>(dialog, 2), Qt::LeftButton);
    });
    const std::uint32_t generator = session.generator().state();
    runNewCustom(session, prompts);
    EXPECT_EQ(doc.m_rating, "D");
    EXPECT_EQ(doc.m_customChoices, OfferChoices{});
    EXPECT_EQ(doc.m_offers[0].employer, "kept");
    EXPECT_EQ(doc.title(), "Saved.did");
    EXPECT_EQ(session.generator().state(), generator);
}

TEST_F(NewCustomCommand, refusesATwoLetterRatingAndStaysOpen) {
    QString message;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool stayedOpen = false;
    bool ratingFocused = false;
    driver.whenShown<QMessageBox>([&](QMessageBox& box) {
        message = box.text();
        icon = box.icon();
        QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
    });
    driver.whenShown<NewCustomDialog>([&](NewCustomDialog& dialog) {
        type(combo(dialog, NewCustomDialog::kRatingId), "AB");
        clickOk(dialog);  // returns once the message box is closed
        stayedOpen = dialog.isVisible();
        // The widget that takes the keyboard when the dialog is active again.
        QComboBox* rating = combo(dialog, NewCustomDialog::kRatingId);
        ratingFocused =
            dialog.focusWidget() == rating || rating->isAncestorOf(dialog.focusWidget());
        type(combo(dialog, NewCustomDialog::kRatingId), "B");
        clickOk(dialog);
    });
    runNewCustom(session, prompts);
    EXPECT_EQ(message, "Please enter no more than 1 characters.");
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(ratingFocused);
    EXPECT_EQ(doc.m_rating, "B");
}

TEST_F(NewCustomCommand, anEmptyRatingPasses) {
    driver.whenShown<NewCustomDialog>([&](NewCustomDialog& dialog) {
        combo(dialog, NewCustomDialog::kRatingId)->lineEdit()->clear();
        clickOk(dialog);
    });
    runNewCustom(session, prompts);
    EXPECT_EQ(doc.m_rating, "");
    EXPECT_EQ(doc.title(), "Untitled");
}

TEST_F(NewCustomCommand, typedTextsAreStoredAsTypedAndReopenOnTheirEntries) {
    driver.whenShown<NewCustomDialog>([](NewCustomDialog& dialog) {
        type(combo(dialog, NewCustomDialog::kRatingId), "a");
        type(combo(dialog, NewCustomDialog::kEmployerId), "Kell");
        // Enter from inside a combo confirms the dialog without turning "a" into "A".
        QTest::keyClick(combo(dialog, NewCustomDialog::kEmployerId)->lineEdit(), Qt::Key_Return);
    });
    runNewCustom(session, prompts);
    EXPECT_EQ(doc.m_rating, "a");
    EXPECT_EQ(doc.m_customChoices.employer, "Kell");
    ASSERT_GE(doc.m_offerCount, 1);
    EXPECT_EQ(doc.m_offers[0].employer, "Kell");

    QString ratingShown;
    QString employerShown;
    driver.whenShown<NewCustomDialog>([&](NewCustomDialog& dialog) {
        ratingShown = combo(dialog, NewCustomDialog::kRatingId)->currentText();
        employerShown = combo(dialog, NewCustomDialog::kEmployerId)->currentText();
        clickOk(dialog);
    });
    runNewCustom(session, prompts);
    EXPECT_EQ(ratingShown, "A");
    EXPECT_EQ(employerShown, "Kell Hounds");
    EXPECT_EQ(doc.m_rating, "A");
    EXPECT_EQ(doc.m_customChoices.employer, "Kell Hounds");
}

TEST_F(NewCustomCommand, opensWithTheChoicesLastConfirmedEvenAfterNewRandom) {
    FakePrompts fake;
    OfferChoices mine;
    mine.assignment = "Garrison Duty";
    mine.transport = "25%";
    fake.customAnswer = std::make_pair(std::string("C"), mine);
    runNewCustom(session, fake);
    fake.ratingAnswer = "B";
    runNewRandom(session, fake);

    std::map<int, QString> shown;
    driver.whenShown<NewCustomDialog>([&](NewCustomDialog& dialog) {
        for (int id : {NewCustomDialog::kRatingId, NewCustomDialog::kAssignmentId,
                       NewCustomDialog::kTransportId, NewCustomDialog::kCommandRightsId}) {
            shown[id] = combo(dialog, id)->currentText();
        }
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    runNewCustom(session, prompts);
    EXPECT_EQ(shown[NewCustomDialog::kRatingId], "B");
    EXPECT_EQ(shown[NewCustomDialog::kAssignmentId], "Garrison Duty");
    EXPECT_EQ(shown[NewCustomDialog::kTransportId], "25%");
    EXPECT_EQ(shown[NewCustomDialog::kCommandRightsId], "Random");
}

TEST(NewCustomGeneration, fixedSupportAndTransportFillBothFieldsOfTheFirstOfferOnly) {
    const std::uint32_t seed = seedWithOffers("A", 2);
    MemorySettings settings;
    DocumentSession session(settings, seed);
    ContractDocument& doc = session.document();
    FakePrompts fake;
    OfferChoices choices;
    choices.support = "81 percent";
    choices.transport = "no transport";
    fake.customAnswer = std::make_pair(std::string("A"), choices);
    runNewCustom(session, fake);

    ASSERT_GE(doc.m_offerCount, 2);
    const ContractOffer& first = doc.m_offers[0];
    EXPECT_EQ(first.straightSupport, "81 percent");
    EXPECT_EQ(first.battleLossCompensation, "81 percent");
    EXPECT_EQ(first.dsjsCompensation, "no transport");
    EXPECT_EQ(first.commercialCompensation, "no transport");
    for (int k = 1; k < doc.visibleOfferCount(); ++k) {
        const ContractOffer& later = doc.m_offers[static_cast<std::size_t>(k)];
        EXPECT_NE(later.straightSupport, "81 percent") << k;
        EXPECT_NE(later.battleLossCompensation, "81 percent") << k;
        EXPECT_NE(later.dsjsCompensation, "no transport") << k;
        EXPECT_NE(later.commercialCompensation, "no transport") << k;
        EXPECT_FALSE(later.straightSupport.empty()) << k;
    }
}

TEST(NewCustomGeneration, allRandomChoicesGenerateExactlyLikeNewRandom) {
    for (const char* rating : {"A", "B", "C", "D"}) {
        for (std::uint32_t seed : {1u, 77u, 4242u, 123456789u}) {
            MemorySettings settings;
            settings.writeText(settings::kSection, settings::kPay, "100000");
            DocumentSession custom(settings, seed);
            DocumentSession random(settings, seed);
            FakePrompts fake;
            fake.customAnswer = std::make_pair(std::string(rating), OfferChoices{});
            fake.ratingAnswer = rating;
            runNewCustom(custom, fake);
            runNewRandom(random, fake);
            EXPECT_EQ(custom.document().m_offerCount, random.document().m_offerCount)
                << rating << seed;
            EXPECT_EQ(custom.document().m_offers, random.document().m_offers) << rating << seed;
            EXPECT_EQ(custom.generator().state(), random.generator().state()) << rating << seed;
        }
    }
}

}  // namespace
