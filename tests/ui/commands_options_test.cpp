#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include "document/MemorySettings.h"
#include "tests/ui/dialogs_test_util.h"
#include "view/Commands.h"
#include "view/DialogPrompts.h"
#include "view/OptionsDialog.h"

namespace {

// Records the order in which the command reaches the store.
class RecordingSettings : public MemorySettings {
public:
    std::vector<std::string> log;
    std::string readText(const std::string& section, const std::string& key,
                         const std::string& fallback) override {
        log.push_back("read " + key);
        return MemorySettings::readText(section, key, fallback);
    }
    bool writeText(const std::string& section, const std::string& key,
                   const std::string& value) override {
        log.push_back("write " + key + "=" + value);
        return MemorySettings::writeText(section, key, value);
    }
};

std::string stored(MemorySettings& settings, const char* key) {
    return settings.readText(settings::kSection, key, "<absent>");
}

struct Shown {
    QString period;
    int periodIndex = -2;
    bool periodEnabled = true;
    QString unitName;
    QString basePay;
    QString unitSize;
    bool payRightAligned = false;
    bool okFocused = false;
};

Shown read(OptionsDialog& dialog) {
    Shown shown;
    auto* period = control<QComboBox>(dialog, OptionsDialog::kPeriodId);
    shown.period = period->currentText();
    shown.periodIndex = period->currentIndex();
    shown.periodEnabled = period->isEnabled();
    shown.unitName = control<QLineEdit>(dialog, OptionsDialog::kUnitNameId)->text();
    auto* pay = control<QLineEdit>(dialog, OptionsDialog::kBasePayId);
    shown.basePay = pay->text();
    shown.payRightAligned = (pay->alignment() & Qt::AlignRight) != 0;
    shown.unitSize = control<QLineEdit>(dialog, OptionsDialog::kUnitSizeId)->text();
    shown.okFocused = QApplication::focusWidget() == control<QPushButton>(dialog, 1);
    return shown;
}

class OptionsCommand : public ::testing::Test {
protected:
    RecordingSettings settings;
    DialogPrompts prompts{nullptr};
    ModalDriver driver;
};

TEST_F(OptionsCommand, freshStoreShowsTheDefaultsAndOkStoresExactlyThem) {
    Shown shown;
    driver.whenShown<OptionsDialog>([&](OptionsDialog& dialog) {
        shown = read(dialog);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    runOptions(settings, prompts);

    EXPECT_EQ(shown.period, "3055");
    EXPECT_EQ(shown.periodIndex, 1);
    EXPECT_FALSE(shown.periodEnabled);
    EXPECT_EQ(shown.unitName, "Unknown");
    EXPECT_EQ(shown.basePay, "100000");
    EXPECT_EQ(shown.unitSize, "1 Mech");
    EXPECT_TRUE(shown.payRightAligned);
    EXPECT_TRUE(shown.okFocused);

    const std::vector<std::string> expected = {
        "read Year",
        "read Pay",
        "read Unit Name",
        "read Unit Size",
        "read File",
        "write Year=3055",
        "write Unit Name=Unknown",
        "write Pay=100000",
        "write Unit Size=1 Mech",
    };
    EXPECT_EQ(settings.log, expected);
    EXPECT_EQ(settings.size(), 4u);
}

TEST_F(OptionsCommand, cancelStoresNothingEvenAfterEditing) {
    driver.whenShown<OptionsDialog>([](OptionsDialog& dialog) {
        auto* name = control<QLineEdit>(dialog, OptionsDialog::kUnitNameId);
        name->selectAll();
        QTest::keyClicks(name, "Gray Death");
        QTest::mouseClick(control<QPushButton>(dialog, 2), Qt::LeftButton);
    });
    runOptions(settings, prompts);
    driver.whenShown<OptionsDialog>(
        [](OptionsDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    runOptions(settings, prompts);
    EXPECT_EQ(settings.size(), 0u);
    EXPECT_EQ(stored(settings, settings::kUnitName), "<absent>");
}

TEST_F(OptionsCommand, anUnknownPeriodIsShownAndWrittenBackUnchanged) {
    settings.writeText(settings::kSection, settings::kYear, "3067");
    settings.writeText(settings::kSection, settings::kPay, "1.5e5");
    Shown shown;
    QString reading;
    driver.whenShown<OptionsDialog>([&](OptionsDialog& dialog) {
        shown = read(dialog);
        auto* size = control<QLineEdit>(dialog, OptionsDialog::kUnitSizeId);
        size->selectAll();
        QTest::keyClicks(size, "2 Regiments");
        auto* pay = control<QLineEdit>(dialog, OptionsDialog::kBasePayId);
        pay->selectAll();
        QTest::keyClicks(pay, "lots");
        reading = control<QLabel>(dialog, OptionsDialog::kBasePayReadingId)->text();
        QTest::mouseClick(control<QPushButton>(dialog, 1), Qt::LeftButton);
    });
    runOptions(settings, prompts);
    EXPECT_EQ(shown.period, "3067");
    EXPECT_EQ(shown.periodIndex, -1);
    EXPECT_EQ(shown.basePay, "1.5e5");
    EXPECT_EQ(reading, "read as 0 C-Bills");  // follows the typing
    EXPECT_EQ(stored(settings, settings::kYear), "3067");
    EXPECT_EQ(stored(settings, settings::kUnitSize), "2 Regiments");
    EXPECT_EQ(stored(settings, settings::kPay), "lots");
    EXPECT_EQ(stored(settings, settings::kUnitName), "Unknown");
}

// What the generation will read, shown beside the base pay: separators end the number, the
// point is the decimal point in every locale, and the reading is written in the user's way.
TEST(OptionsBasePayReading, showsTheNumberTheGenerationReads) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale french(QLocale::French, QLocale::France);
    const QLocale c = QLocale::c();
    const struct {
        const char* typed;
        const QLocale& locale;
        const char* shown;
    } cases[] = {
        {"100,000", english, "read as 100 C-Bills"},
        {"100000", english, "read as 100,000 C-Bills"},
        {"100.000", german, "read as 100 C-Bills"},
        {" 1.5e5x", english, "read as 150,000 C-Bills"},
        {"12.25", english, "read as 12.25 C-Bills"},
        {"abc", english, "read as 0 C-Bills"},
        {"", english, "read as 0 C-Bills"},
        {"100000", german, "read as 100.000 C-Bills"},
        {"12.25", german, "read as 12,25 C-Bills"},
        {"12,25", german, "read as 12 C-Bills"},
        {"100000", french, "read as 100\u202f000 C-Bills"},
        {"100 000", french, "read as 100 C-Bills"},
        {"12.25", french, "read as 12,25 C-Bills"},
        {"100000", c, "read as 100000 C-Bills"},
        {"1.5e5", c, "read as 150000 C-Bills"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(basePayReading(c.typed, c.locale), c.shown) << c.typed;
    }
}

// Beside the box the reading is never clipped: a number too long for the room shows with an
// exponent, and its tip holds every digit.
TEST(OptionsBasePayReading, aLongNumberFitsBesideTheBoxWithEveryDigitInTheTip) {
    OptionsDialog dialog;
    auto* pay = control<QLineEdit>(dialog, OptionsDialog::kBasePayId);
    auto* reading = control<QLabel>(dialog, OptionsDialog::kBasePayReadingId);
    for (const char* typed : {"100000", "123456789012345678901234"}) {
        pay->setText(typed);
        EXPECT_LE(reading->fontMetrics().horizontalAdvance(reading->text()), reading->width())
            << typed;
        const QString whole = basePayReading(typed);
        EXPECT_EQ(reading->text() == whole, reading->toolTip().isEmpty()) << typed;
        EXPECT_TRUE(reading->text() == whole || reading->toolTip() == whole) << typed;
    }
    EXPECT_TRUE(reading->text().contains("e+23")) << reading->text().toStdString();
}

}  // namespace
