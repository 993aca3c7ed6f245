#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <array>
#include <functional>
#include <memory>

#include "tests/ui/dialogs_test_util.h"
#include "view/ComboExchange.h"
#include "view/DialogControls.h"
#include "view/EditLineDialog.h"
#include "view/NewCustomDialog.h"
#include "view/NewRandomDialog.h"
#include "view/OptionsDialog.h"

namespace {

// ---- the exchange rule ------------------------------------------------------------------------

struct ExchangeCase {
    const char* stored;
    int expectedIndex;  // -1: the text goes into the edit field
    const char* shown;
};

constexpr std::array<const char*, 5> kEmployerEntries = {"Random", "Kali-Yama", "Kallon Industries",
                                                         "Kell Hounds", "Periphery"};
const QStringList kEmployers = {"Random", "Kali-Yama", "Kallon Industries", "Kell Hounds",
                                "Periphery"};

// clang-format off
const ExchangeCase kExchangeCases[] = {
    {"Kell Hounds",   3,  "Kell Hounds"},   // exact entry
    {"Kell",          3,  "Kell Hounds"},   // a prefix selects the entry
    {"kell",          3,  "Kell Hounds"},   // without regard to case
    {"Kal",           1,  "Kali-Yama"},     // the first of several that begin with it
    {"Kall",          2,  "Kallon Industries"},
    {"",              0,  "Random"},        // an empty text begins every entry
    {"random",        0,  "Random"},
    {"Hounds",        -1, "Hounds"},        // inside an entry is not a prefix
    {"Kell Hounds 2", -1, "Kell Hounds 2"}, // longer than any entry
    {" Kell",         -1, " Kell"},         // typed text is kept exactly, blanks included
    {"Wolf's Dragoons", -1, "Wolf's Dragoons"},
};
// clang-format on

TEST(ComboExchangeRule, findsTheFirstEntryBeginningWithTheTextIgnoringCase) {
    for (const ExchangeCase& c : kExchangeCases) {
        EXPECT_EQ(findComboEntry(kEmployers, QString::fromUtf8(c.stored)), c.expectedIndex)
            << c.stored;
    }
}

TEST(ComboExchangeRule, loadsIntoARealComboAndReadsTheEditFieldBack) {
    for (const ExchangeCase& c : kExchangeCases) {
        QComboBox combo;
        setUpChoiceCombo(combo, kEmployerEntries, false);
        combo.setCurrentIndex(4);  // a previous selection must not leak into an unmatched text
        loadComboText(combo, QString::fromUtf8(c.stored));
        EXPECT_EQ(combo.currentIndex(), c.expectedIndex) << c.stored;
        EXPECT_EQ(readComboText(combo), QString::fromUtf8(c.shown)) << c.stored;
    }
}

TEST(ComboExchangeRule, typingNeverCompletesToAnEntry) {
    QComboBox combo;
    setUpChoiceCombo(combo, kRatingEntries, true);
    combo.show();
    combo.lineEdit()->clear();
    QTest::keyClicks(combo.lineEdit(), "a");
    EXPECT_EQ(readComboText(combo), "a");
    QTest::keyClick(combo.lineEdit(), Qt::Key_Return);
    EXPECT_EQ(readComboText(combo), "a");
}

TEST(ComboExchangeRule, longTextsSurviveTheRoundTripUncut) {
    const QString longText(40000, QLatin1Char('x'));
    QComboBox combo;
    setUpChoiceCombo(combo, kRatingEntries, true);
    loadComboText(combo, longText);
    EXPECT_EQ(readComboText(combo), longText);
    EXPECT_EQ(fromDialogText(toDialogText("Ca\xC3\xB1on 80%")), "Ca\xC3\xB1on 80%");
}

// ---- geometry, shared by the four dialogs -----------------------------------------------------

TEST(DialogUnitsConversion, scalesByQuarterWidthsAndEighthHeights) {
    const DialogUnits units(QApplication::font());
    ASSERT_GT(units.baseWidth(), 0);
    ASSERT_GT(units.baseHeight(), 0);
    EXPECT_EQ(units.toPixelsX(4), units.baseWidth());
    EXPECT_EQ(units.toPixelsY(8), units.baseHeight());
    EXPECT_EQ(units.toPixelsX(400), 100 * units.baseWidth());
    EXPECT_EQ(units.toPixelsY(800), 100 * units.baseHeight());
    EXPECT_EQ(units.toPixels(DluRect{4, 8, 8, 16}),
              QRect(units.baseWidth(), units.baseHeight(), 2 * units.baseWidth(),
                    2 * units.baseHeight()));
}

struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<QDialog>()> make;
    QString caption;
    int focusId;  // the control that has the focus on opening
};

std::vector<DialogCase> allDialogs() {
    return {
        {"New Random", [] { return std::make_unique<NewRandomDialog>(); }, "New Random Contract",
         1},
        {"New Custom", [] { return std::make_unique<NewCustomDialog>(); }, "New Custom Contract",
         1},
        {"Edit", [] { return std::make_unique<EditLineDialog>(); }, "Edit Information",
         EditLineDialog::kTextId},
        {"Options", [] { return std::make_unique<OptionsDialog>(); }, "Options", 1},
    };
}

TEST(DialogLayout, everyControlLiesInsideItsDialogAndNoLabelIsCut) {
    for (const DialogCase& c : allDialogs()) {
        std::unique_ptr<QDialog> dialog = c.make();
        dialog->show();
        QApplication::processEvents();
        EXPECT_EQ(dialog->windowTitle(), c.caption);
        EXPECT_FALSE(dialog->whatsThis().isEmpty()) << c.name;
        const QRect inside = dialog->rect();
        for (QWidget* child : dialog->findChildren<QWidget*>()) {
            if (child->parentWidget() != dialog.get()) {
                continue;
            }
            EXPECT_TRUE(inside.contains(child->geometry())) << c.name << " " << child;
            if (auto* label = qobject_cast<QLabel*>(child); label && !label->wordWrap()) {
                EXPECT_GE(label->width(), label->sizeHint().width())
                    << c.name << " " << label->text().toStdString();
            } else if (!qobject_cast<QLabel*>(child)) {
                EXPECT_FALSE(child->whatsThis().isEmpty()) << c.name << " " << child;
                EXPECT_GE(child->height(), child->sizeHint().height()) << c.name << " " << child;
            }
        }
        EXPECT_EQ(QApplication::focusWidget(), dialog->findChild<QWidget*>(controlName(c.focusId)))
            << c.name;
    }
}

TEST(DialogLayout, controlsKeepTheirRowsAndColumns) {
    NewCustomDialog dialog;
    dialog.show();
    auto at = [&](int id) { return control<QWidget>(dialog, id)->geometry(); };
    // Three rows of three combos, aligned in columns, above the buttons.
    const int rows[3][3] = {{1001, 1003, 1004}, {1005, 1006, 1007}, {1008, 1009, 1010}};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(at(rows[r][c]).top(), at(rows[r][0]).top());
            EXPECT_EQ(at(rows[r][c]).left(), at(rows[0][c]).left());
            if (r > 0) {
                EXPECT_GT(at(rows[r][c]).top(), at(rows[r - 1][c]).bottom());
            }
        }
    }
    EXPECT_GT(at(1).top(), at(1010).bottom());
    EXPECT_EQ(at(1).top(), at(2).top());
    EXPECT_LT(at(1).left(), at(2).left());
}

TEST(DialogLayout, aLongEditPromptPushesTheFieldDownInsteadOfCoveringIt) {
    EditLineDialog dialog;
    for (int i = 0; i < 40; ++i) {
        dialog.m_prompt += "Employer ";
    }
    dialog.show();
    QApplication::processEvents();
    auto* prompt = control<QLabel>(dialog, EditLineDialog::kPromptId);
    auto* edit = control<QLineEdit>(dialog, EditLineDialog::kTextId);
    EXPECT_GE(prompt->height(), prompt->heightForWidth(prompt->width()));
    EXPECT_LE(prompt->geometry().bottom(), edit->geometry().top());
    EXPECT_TRUE(dialog.rect().contains(control<QWidget>(dialog, 1)->geometry()));
}

}  // namespace
