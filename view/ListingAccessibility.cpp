#include "view/ListingAccessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <map>
#include <vector>

#include "document/ContractDocument.h"
#include "listing/ListingPlan.h"
#include "listing/RollExplanation.h"
#include "view/ListingView.h"

namespace {

// The numbers of the lines a reader gets, in order: every line that has a label.
std::vector<int> readableLines(const ListingPlan& plan) {
    std::vector<int> numbers;
    for (const ListingLine& line : plan.lines()) {
        if (!line.label.empty()) {
            numbers.push_back(line.number);
        }
    }
    return numbers;
}

class ListingLineAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ListingLineAccessible(ListingView* view, int line) : m_view(view), m_line(line) {}

    ListingView* view() const { return m_view; }
    int line() const { return m_line; }

    bool isValid() const override {
        return m_view && ListingPlan(m_view->document()).find(m_line) != nullptr;
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return m_view ? QAccessible::queryAccessibleInterface(m_view) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QString text(QAccessible::Text kind) const override {
        if (!isValid()) {
            return {};
        }
        const ListingPlan plan(m_view->document());
        const ListingLine& shown = *plan.find(m_line);
        switch (kind) {
            case QAccessible::Name:
                return QString::fromStdString(spokenLine(shown));
            case QAccessible::Description:
                return QString::fromStdString(
                    explainLine(m_view->document(), shown).value_or(std::string()));
            default:
                return {};
        }
    }

    QRect rect() const override {
        if (!m_view) {
            return {};
        }
        const QRect band = m_view->lineRect(m_line);
        return QRect(m_view->viewport()->mapToGlobal(band.topLeft()), band.size());
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const ListingPlan plan(m_view->document());
        const bool current = m_view->currentLine() == m_line;
        state.focusable = true;
        state.selectable = true;
        state.selected = current;
        state.focused = current && m_view->hasFocus();
        state.editable = !plan.find(m_line)->prompt.empty();
        state.readOnly = !state.editable;
        state.offscreen = !m_view->viewport()->rect().intersects(m_view->lineRect(m_line));
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    // Edit (the double-click's edit) first, so that it is the default action, then the menu.
    QStringList actionNames() const override {
        if (!isValid()) {
            return {};
        }
        const ListingPlan plan(m_view->document());
        const ListingLine& shown = *plan.find(m_line);
        QStringList names;
        if (!shown.prompt.empty()) {
            names << pressAction();
        }
        if (shown.value) {
            names << showMenuAction();
        }
        return names;
    }

    void doAction(const QString& name) override {
        if (!actionNames().contains(name)) {
            return;
        }
        // The edit dialog and the menu run event loops of their own: the reader's request is
        // answered first, and they open right after it.
        const bool edit = name == pressAction();
        const int line = m_line;
        QTimer::singleShot(0, m_view, [view = m_view, line, edit] {
            edit ? view->editLine(line) : view->openLineMenu(line);
        });
    }

    QStringList keyBindingsForAction(const QString& name) const override {
        if (name == pressAction()) {
            return {QStringLiteral("Return")};
        }
        if (name == showMenuAction()) {
            return {QStringLiteral("Shift+F10")};
        }
        return {};
    }

    // What the reader last heard of the line, so that a change is told only when it reads
    // differently.
    QString heardName;
    QString heardDescription;

private:
    QPointer<ListingView> m_view;
    int m_line;
};

class ListingAccessible : public QAccessibleWidget {
public:
    explicit ListingAccessible(ListingView* view)
        : QAccessibleWidget(view, QAccessible::List),
          m_lastLine(ListingPlan(view->document()).lastLine()) {}

    ~ListingAccessible() override {
        for (const auto& [line, id] : m_items) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    ListingView* view() const { return static_cast<ListingView*>(widget()); }

    int childCount() const override {
        return static_cast<int>(readableLines(ListingPlan(view()->document())).size());
    }

    QAccessibleInterface* child(int index) const override {
        const std::vector<int> lines = readableLines(ListingPlan(view()->document()));
        if (index < 0 || index >= static_cast<int>(lines.size())) {
            return nullptr;
        }
        return item(lines[static_cast<std::size_t>(index)]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* line = dynamic_cast<const ListingLineAccessible*>(child);
        if (line == nullptr || line->view() != view()) {
            return -1;
        }
        const std::vector<int> lines = readableLines(ListingPlan(view()->document()));
        const auto found = std::find(lines.begin(), lines.end(), line->line());
        return found == lines.end() ? -1 : static_cast<int>(found - lines.begin());
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = view()->viewport()->mapFromGlobal(QPoint(x, y));
        if (!view()->viewport()->rect().contains(at)) {
            return nullptr;
        }
        const int line = view()->lineAtViewportY(at.y());
        const ListingPlan plan(view()->document());
        const ListingLine* shown = plan.find(line);
        return shown != nullptr && !shown->label.empty() ? item(line) : nullptr;
    }

    QAccessibleInterface* focusChild() const override {
        const int line = view()->currentLine();
        const ListingPlan plan(view()->document());
        if (!view()->hasFocus() || line == 0 || plan.find(line)->label.empty()) {
            return nullptr;
        }
        return item(line);
    }

    // The line's item, made when first asked for and kept while the listing has the line.
    ListingLineAccessible* item(int line) const {
        if (const auto found = m_items.find(line); found != m_items.end()) {
            if (QAccessibleInterface* kept = QAccessible::accessibleInterface(found->second)) {
                return static_cast<ListingLineAccessible*>(kept);
            }
            m_items.erase(found);
        }
        auto* made = new ListingLineAccessible(view(), line);
        made->heardName = made->text(QAccessible::Name);
        made->heardDescription = made->text(QAccessible::Description);
        m_items.emplace(line, QAccessible::registerAccessibleInterface(made));
        return made;
    }

    void linesChanged() {
        const ListingPlan plan(view()->document());
        for (auto it = m_items.begin(); it != m_items.end();) {
            auto* line =
                static_cast<ListingLineAccessible*>(QAccessible::accessibleInterface(it->second));
            if (it->first > plan.lastLine()) {
                QAccessibleEvent gone(line, QAccessible::ObjectDestroyed);
                QAccessible::updateAccessibility(&gone);
                QAccessible::deleteAccessibleInterface(it->second);
                it = m_items.erase(it);
                continue;
            }
            tell(*line, line->heardName, QAccessible::Name, QAccessible::NameChanged);
            tell(*line, line->heardDescription, QAccessible::Description,
                 QAccessible::DescriptionChanged);
            ++it;
        }
        for (int number : readableLines(plan)) {
            if (number > m_lastLine) {
                QAccessibleEvent came(item(number), QAccessible::ObjectCreated);
                QAccessible::updateAccessibility(&came);
            }
        }
        m_lastLine = plan.lastLine();
    }

private:
    static void tell(ListingLineAccessible& line, QString& heard, QAccessible::Text kind,
                     QAccessible::Event change) {
        const QString now = line.text(kind);
        if (now != heard) {
            heard = now;
            QAccessibleEvent event(&line, change);
            QAccessible::updateAccessibility(&event);
        }
    }

    mutable std::map<int, QAccessible::Id> m_items;
    int m_lastLine;
};

QAccessibleInterface* windowAccessibility(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String(ListingView::staticMetaObject.className())) {
        return new ListingAccessible(static_cast<ListingView*>(widget));
    }
    // A window made straight from a plain widget would read as an unnamed filler.
    const QMetaObject* own = object->metaObject();
    if (widget->isWindow() && className == QLatin1String(own->className()) &&
        own->superClass() == &QWidget::staticMetaObject) {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    return nullptr;
}

ListingAccessible* listingAccessible(ListingView& view) {
    if (!QAccessible::isActive()) {
        return nullptr;
    }
    return dynamic_cast<ListingAccessible*>(QAccessible::queryAccessibleInterface(&view));
}

}  // namespace

void installWindowAccessibility() {
    QAccessible::removeFactory(windowAccessibility);
    QAccessible::installFactory(windowAccessibility);
}

void announceListingChange(ListingView& view) {
    if (ListingAccessible* listing = listingAccessible(view)) {
        listing->linesChanged();
    }
}

void announceCurrentLine(ListingView& view) {
    ListingAccessible* listing = listingAccessible(view);
    if (listing == nullptr) {
        return;
    }
    if (QAccessibleInterface* current = listing->focusChild()) {
        QAccessibleEvent focus(current, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}
