#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <memory>
#include <set>

#include "document/ContractOffer.h"
#include "document/DocumentCodec.h"
#include "document/MemorySettings.h"
#include "listing/ContractText.h"
#include "listing/OddsReport.h"
#include "session/DocumentSession.h"
#include "shell/MainWindow.h"
#include "shell/RecentFileList.h"
#include "shell/WindowTranslations.h"
#include "storage/CoreTexts.h"
#include "tests/ui/FakePrompts.h"
#include "tests/ui/shell_test_support.h"
#include "view/ContractSelectDialog.h"
#include "view/EditLineDialog.h"
#include "view/ListingView.h"
#include "view/NewCustomDialog.h"
#include "view/NewRandomDialog.h"
#include "view/OfferDetails.h"
#include "view/OptionsDialog.h"

namespace {

// How wide a control's own text is when shown whole; 0 for a control without one.
int textWidth(const QWidget& control) {
    const QFontMetrics metrics = control.fontMetrics();
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        return metrics.horizontalAdvance(QString(button->text()).remove('&'));
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(&control)) {
        return metrics.horizontalAdvance(group->title());
    }
    const bool label =
        qobject_cast<const QLabel*>(&control) || qobject_cast<const QCheckBox*>(&control);
    return label ? control.sizeHint().width() : 0;
}

// The window in German and French: the menus, Qt's own buttons, the dock and the core's fixed
// texts the window shows speak the language, every menu keeps a letter per entry, and the
// listing, the printed details and (with no translation loaded, as on the command line) a
// reader's message keep the document's words.
TEST(WindowTranslationsTest, theWindowSpeaksTheLocaleAndTheDocumentKeepsItsWords) {
    const struct {
        QLocale::Language language;
        QStringList menuTitles;
        const char* newDocument;
        const char* cancel;
        const char* monthlyPay;
        const char* untitled;
        const char* unexpectedFormat;
        const char* allRandom;
        const char* credit;
    } languages[] = {
        {QLocale::German,
         {"&Datei", "&Bearbeiten", "&Ansicht", "E&xtras", "&Hilfe"},
         "&Neu",
         "Abbrechen",
         "Monatssold (C-Bills)",
         "Unbenannt",
         "Unerwartetes Dateiformat.",
         "jede Bedingung zufällig",
         "Gedruckt von Zuvaduro, dem Vertragsgenerator für Söldner"},
        {QLocale::French,
         {"&Fichier", "&Édition", "&Affichage", "&Outils", "A&ide"},
         "&Nouveau",
         "Annuler",
         "Solde mensuelle (C-Bills)",
         "Sans titre",
         "Format de fichier inattendu.",
         "chaque terme au hasard",
         "Imprimé par Zuvaduro, le générateur de contrats de mercenaires"},
    };
    for (const auto& row : languages) {
        const QLocale locale(row.language);
        const WindowTranslations translations(locale);
        ASSERT_TRUE(translations.hasProgramTexts()) << locale.name().toStdString();
        MemorySettings settings;
        DocumentSession session(settings, 1u);
        session.document().resetToUntitled();
        shelltest::fillOffers(session.document(), 2);
        RecentFileList recent;
        FakePrompts prompts;
        MainWindow window(session, recent, &prompts);
        window.action(Command::OfferDetails)->trigger();

        QStringList titles;
        for (QAction* menu : window.menuBar()->actions()) {
            titles << menu->text();
        }
        EXPECT_EQ(titles, row.menuTitles);
        EXPECT_EQ(window.action(Command::NewDocument)->text(), row.newDocument);
        window.updateWindowTitle();
        EXPECT_TRUE(window.windowTitle().startsWith(row.untitled))
            << window.windowTitle().toStdString();
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), row.cancel);

        // Alt and one letter still reach every entry of every menu.
        std::unique_ptr<QMenu> lineMenu(window.view()->createLineMenu(6, &window));
        std::vector<QWidget*> menus = {window.menuBar(), lineMenu.get()};
        for (QAction* menu : window.menuBar()->actions()) {
            menus.push_back(menu->menu());
        }
        for (QWidget* menu : menus) {
            std::set<int> letters;
            int entries = 0;
            for (QAction* action : menu->actions()) {
                if (!action->isSeparator() && action->isVisible()) {
                    ++entries;
                    letters.insert(QKeySequence::mnemonic(action->text())[0].toCombined());
                }
            }
            EXPECT_EQ(static_cast<int>(letters.size()), entries)
                << locale.name().toStdString() << " " << menu->objectName().toStdString();
        }

        // No dialog cuts a text, pushes a control out of its frame or over its neighbour.
        NewRandomDialog newRandom;
        NewCustomDialog newCustom;
        EditLineDialog editLine;
        OptionsDialog options;
        ContractSelectDialog contracts(settings);
        for (QDialog* dialog : std::initializer_list<QDialog*>{&newRandom, &newCustom, &editLine,
                                                               &options, &contracts}) {
            const QList<QWidget*> controls =
                dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (const QWidget* control : controls) {
                const std::string what = locale.name().toStdString() + " " +
                                         dialog->windowTitle().toStdString() + " " +
                                         control->objectName().toStdString();
                EXPECT_LE(textWidth(*control), control->width()) << what;
                EXPECT_LE(control->geometry().right(), dialog->width()) << what;
                for (const QWidget* other : controls) {
                    const bool inGroup = qobject_cast<const QGroupBox*>(other) ||
                                         qobject_cast<const QGroupBox*>(control);
                    EXPECT_TRUE(other == control || inGroup ||
                                !qobject_cast<const QPushButton*>(other) ||
                                !control->geometry().intersects(other->geometry()))
                        << what;
                }
            }
        }

        // The dock speaks the language; the listing and the printed page do not.
        const OfferDetails shown = buildOfferDetails(session.document(), locale);
        const OfferDetails printed =
            buildOfferDetails(session.document(), locale, DetailsWords::Document);
        EXPECT_EQ(shown.rows[kFirstPayRow].label, row.monthlyPay);
        EXPECT_EQ(printed.rows[kFirstPayRow].label, "Monthly Pay (C-Bills)");
        EXPECT_EQ(shown.rows[0].label, "Employer");
        QAccessibleInterface* listing = QAccessible::queryAccessibleInterface(window.view());
        ASSERT_NE(listing, nullptr);
        EXPECT_EQ(listing->child(4)->text(QAccessible::Name), "Assignment: o1-assignment");
        EXPECT_EQ(listing->child(18)->text(QAccessible::Name), "Second Contract");

        EXPECT_EQ(shownCoreText(kUnexpectedFileFormat), row.unexpectedFormat);
        EXPECT_EQ(shownCoreText(oddsChoicesText(OfferChoices{})), row.allRandom);
        EXPECT_EQ(shownCoreText(creditLine()), row.credit);
    }
    EXPECT_EQ(shownCoreText(kUnexpectedFileFormat), "Unexpected file format.");
}

}  // namespace
