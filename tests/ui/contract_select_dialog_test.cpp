#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include "document/MemorySettings.h"
#include "document/SettingsStore.h"
#include "view/ContractSelectDialog.h"
#include "view/DialogPrompts.h"

namespace {

QCheckBox* checkBox(QDialog& dialog, int id) {
    return dialog.findChild<QCheckBox*>(QString::number(id));
}

QPushButton* button(QDialog& dialog, int id) {
    return dialog.findChild<QPushButton*>(QString::number(id));
}

class PrintSelectDialogTest : public ::testing::Test {
protected:
    MemorySettings settings;
    void setAvailable(int count) {
        settings.writeNumber(settings::kSection, settings::kInt, count);
    }
};

TEST_F(PrintSelectDialogTest, showsTheTemplateControlsUntickedWithOkFocused) {
    setAvailable(4);
    ContractSelectDialog dialog(settings);
    dialog.show();
    QApplication::processEvents();

    EXPECT_EQ(dialog.objectName(), "135");
    EXPECT_TRUE(dialog.windowTitle().isEmpty());
    // No caption text, but a dialog's frame: a bare panel cannot be moved out of the way.
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowTitleHint));
    auto* group = dialog.findChild<QGroupBox*>("1072");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), "Choose Contracts to Print");

    const struct {
        int id;
        const char* text;
    } boxes[] = {{1011, "Contract One"},
                 {1013, "Contract Two"},
                 {1014, "Contract Three"},
                 {1015, "Contract Four"}};
    for (const auto& box : boxes) {
        QCheckBox* check = checkBox(dialog, box.id);
        ASSERT_NE(check, nullptr) << box.id;
        EXPECT_EQ(check->text(), box.text);
        EXPECT_FALSE(check->isChecked()) << box.id;
    }

    QPushButton* ok = button(dialog, 1);
    QPushButton* cancel = button(dialog, 2);
    ASSERT_NE(ok, nullptr);
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_EQ(cancel->text(), "Cancel");
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(dialog.focusWidget(), ok);
    EXPECT_EQ(ok->nextInFocusChain(), cancel);
}

TEST_F(PrintSelectDialogTest, enablesOnlyTheBoxesOfExistingOffers) {
    const struct {
        int available;
        std::array<bool, 4> enabled;
    } rows[] = {
        {-1, {false, false, false, false}}, {0, {false, false, false, false}},
        {1, {true, false, false, false}},   {2, {true, true, false, false}},
        {3, {true, true, true, false}},     {4, {true, true, true, true}},
        {7, {true, true, true, true}},
    };
    for (const auto& row : rows) {
        setAvailable(row.available);
        ContractSelectDialog dialog(settings);
        dialog.show();
        EXPECT_EQ(dialog.m_availableOffers, row.available);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(checkBox(dialog, ContractSelectDialog::kCheckIds[i])->isEnabled(),
                      row.enabled[i])
                << "available " << row.available << ", box " << i + 1;
        }
    }
}

TEST_F(PrintSelectDialogTest, missingCountMeansNoOffers) {
    ContractSelectDialog dialog(settings);
    dialog.show();
    for (int id : ContractSelectDialog::kCheckIds) {
        EXPECT_FALSE(checkBox(dialog, id)->isEnabled()) << id;
    }
}

TEST_F(PrintSelectDialogTest, okTakesTheTicksAndCancelDropsThem) {
    setAvailable(4);
    {
        ContractSelectDialog dialog(settings);
        dialog.show();
        QTest::mouseClick(checkBox(dialog, 1013), Qt::LeftButton);
        QTest::mouseClick(checkBox(dialog, 1015), Qt::LeftButton);
        QTest::mouseClick(button(dialog, 1), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.ticked(), (std::array<bool, 4>{false, true, false, true}));
    }
    {
        ContractSelectDialog dialog(settings);
        dialog.show();
        QTest::mouseClick(checkBox(dialog, 1011), Qt::LeftButton);
        QTest::mouseClick(button(dialog, 2), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(dialog.ticked(), (std::array<bool, 4>{}));
    }
}

// The real prompt runs the dialog modally and hands back what was ticked.
TEST_F(PrintSelectDialogTest, promptRunsTheDialogModally) {
    setAvailable(2);
    DialogPrompts prompts(nullptr);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(checkBox(*dialog, 1014)->isEnabled());
        QTest::mouseClick(checkBox(*dialog, 1013), Qt::LeftButton);
        QTest::mouseClick(button(*dialog, 1), Qt::LeftButton);
    });
    std::array<bool, 4> ticked{};
    ASSERT_TRUE(prompts.askContracts(settings, ticked));
    EXPECT_EQ(ticked, (std::array<bool, 4>{false, true, false, false}));
}

// The contract print dialog offers page 1 only and keeps printing to a file available; its
// Cancel prints nothing.
TEST(ContractPrinterDialogTest, offersPageOneOnlyAndCancelIsReported) {
    DialogPrompts prompts(nullptr);
    QPrinter printer;
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->minPage(), 1);
        EXPECT_EQ(dialog->maxPage(), 1);
        EXPECT_EQ(dialog->fromPage(), 1);
        EXPECT_EQ(dialog->toPage(), 1);
        EXPECT_TRUE(dialog->testOption(QAbstractPrintDialog::PrintToFile));
        EXPECT_TRUE(dialog->testOption(QAbstractPrintDialog::PrintPageRange));
        EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintSelection));
        dialog->reject();
    });
    EXPECT_FALSE(prompts.choosePrinterForContracts(printer));
}

}  // namespace
