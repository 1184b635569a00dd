#include "style/zelsharedsheet.h"

#include <algorithm>
#include <memory>
#include <utility>

#include <QHash>
#include <QList>
#include <QPointer>
#include <QRegularExpression>
#include <QVariant>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>

namespace {

const QString Mark = QStringLiteral("[zelSharedSheet=\"true\"]");

// Inserts the mark into one compound selector, ahead of its pseudo-states and
// sub-controls ("QScrollBar::handle:vertical" -> "QScrollBar[mark]::handle:vertical").
QString marked(const QString &compound)
{
    const qsizetype pseudo = compound.indexOf(QLatin1Char(':'));
    return pseudo < 0 ? compound + Mark : compound.left(pseudo) + Mark + compound.mid(pseudo);
}

// A rule of the sheet set on a widget W reaches W itself and everything inside
// W, with the selector's outer parts matching anywhere up the parent chain.
// For "A B" that is: "A B[m]" (the subject is W), "[m] A B" (all inside W),
// "A[m] B" (A is W) and "A [m] B" (W lies between A and B).
// Returns an empty list for a selector it cannot narrow exactly.
QStringList narrowed(const QString &selector)
{
    const QStringList compounds = selector.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (compounds.isEmpty())
        return {};
    for (const QString &compound : compounds) {
        // Child and sibling combinators would need other placements of W.
        if (compound.contains(QLatin1Char('>')) || compound.contains(QLatin1Char('+'))
            || compound.contains(QLatin1Char('~')))
            return {};
    }
    QStringList out;
    const qsizetype n = compounds.size();
    QStringList self = compounds;
    self.last() = marked(self.last());
    out << self.join(QLatin1Char(' '));
    for (qsizetype i = 0; i < n; ++i) {
        QStringList inside = compounds;
        inside.insert(i, Mark);
        out << inside.join(QLatin1Char(' '));
        if (i < n - 1) {
            QStringList at = compounds;
            at[i] = marked(at[i]);
            out << at.join(QLatin1Char(' '));
        }
    }
    return out;
}

struct Rule {
    QString selectors; // as written, without the braces
    QString block;     // "{...}" as written
};

// The rules of a sheet in their order, comments left out. Clears `ok` when the
// sheet is not plain rules (bare declarations, at-rules, nested braces).
QList<Rule> rules(const QString &sheet, bool *ok)
{
    QString text = sheet;
    text.remove(QRegularExpression(QStringLiteral("/\\*.*?\\*/"), QRegularExpression::DotMatchesEverythingOption));
    QList<Rule> out;
    qsizetype pos = 0;
    *ok = true;
    for (;;) {
        const qsizetype open = text.indexOf(QLatin1Char('{'), pos);
        if (open < 0) {
            *ok = text.mid(pos).trimmed().isEmpty();
            break;
        }
        const qsizetype close = text.indexOf(QLatin1Char('}'), open);
        const QString selectors = text.mid(pos, open - pos).trimmed();
        if (close < 0 || selectors.isEmpty() || selectors.startsWith(QLatin1Char('@'))
            || text.mid(open + 1, close - open - 1).contains(QLatin1Char('{'))) {
            *ok = false;
            break;
        }
        out.append({selectors, text.mid(open, close - open + 1)});
        pos = close + 1;
    }
    return out;
}

// The class a selector's subject must be ("QTableView QHeaderView::section" ->
// "QHeaderView"), or empty where it can be any ("*", "[prop]", "#name").
QString subjectType(const QString &selector)
{
    const QStringList compounds = selector.simplified().split(QRegularExpression(QStringLiteral("[ >+~]")),
                                                              Qt::SkipEmptyParts);
    if (compounds.isEmpty())
        return {};
    QString subject = compounds.last();
    if (subject.startsWith(QLatin1Char('.')))
        subject.remove(0, 1);
    const qsizetype end = subject.indexOf(QRegularExpression(QStringLiteral("[^A-Za-z0-9_]")));
    return end < 0 ? subject : subject.left(end);
}

void addClasses(const QMetaObject *meta, QStringList &names)
{
    for (; meta; meta = meta->superClass())
        names << QString::fromLatin1(meta->className());
}

// Every class a rule of a sheet set on `widget` can style: the widget and what
// lies inside it now, its tool tips and context menus, and the pop-ups and
// editors the toolkit builds inside it on first use.
QStringList reachableClasses(const QWidget *widget)
{
    QStringList names = {QStringLiteral("QToolTip"), QStringLiteral("QTipLabel")};
    addClasses(widget->metaObject(), names);
    const QList<QWidget *> inside = widget->findChildren<QWidget *>();
    for (const QWidget *child : inside)
        addClasses(child->metaObject(), names);
    addClasses(&QMenu::staticMetaObject, names);
    addClasses(&QLabel::staticMetaObject, names);
    const auto *edit = qobject_cast<const QLineEdit *>(widget);
    if (qobject_cast<const QComboBox *>(widget) || qobject_cast<const QAbstractItemView *>(widget)
        || (edit && edit->completer())) {
        // A combo box's list, an item view's editor, a line edit's completions.
        addClasses(&QListView::staticMetaObject, names);
        addClasses(&QScrollBar::staticMetaObject, names);
        addClasses(&QLineEdit::staticMetaObject, names);
        names << QStringLiteral("QComboBoxPrivateContainer") << QStringLiteral("QComboBoxListView")
              << QStringLiteral("QComboBoxPrivateScroller");
    }
    return names;
}

// The style-sheet style setShared() hands out; it lives as long as a widget uses it.
QPointer<QStyle> &sharedSheetStyle()
{
    static QPointer<QStyle> style;
    return style;
}

// A widget the shared style can be given exactly as the toolkit would give it
// a style of its own: it and what lies inside it follow the application style.
bool shareable(const QWidget *widget)
{
    if (widget->testAttribute(Qt::WA_SetStyle) || widget->style()->inherits("QStyleSheetStyle"))
        return false;
    const QList<QWidget *> inside = widget->findChildren<QWidget *>();
    return std::none_of(inside.cbegin(), inside.cend(), [](const QWidget *w) {
        return w->isWindow() || w->testAttribute(Qt::WA_SetStyle) || !w->styleSheet().isEmpty();
    });
}

// Gives `widget` and what lies inside it, but for what lies in `outside`, the
// shared style-sheet style, with `sheet` as the widget's own.
void shareStyle(QWidget *widget, const QString &sheet, const QList<const QWidget *> &outside)
{
    QPointer<QStyle> &shared = sharedSheetStyle();
    // Any widget a sheet is set on makes a style-sheet style; this one is never
    // shown, so its own sheet is never read, and it goes once the widget below
    // holds the style.
    std::unique_ptr<QWidget> maker;
    if (!shared) {
        maker = std::make_unique<QWidget>();
        maker->setStyleSheet(QStringLiteral("*{}"));
        shared = maker->style();
    }
    widget->setStyle(shared);
    widget->setStyleSheet(sheet);
    const auto left = [widget, &outside](const QWidget *w) {
        for (; w && w != widget; w = w->parentWidget()) {
            if (outside.contains(w))
                return true;
        }
        return false;
    };
    // As the toolkit hands a new sheet's style down: what lies inside first,
    // the widget last, each told of its style once the sheet is in place.
    QList<QWidget *> inside = widget->findChildren<QWidget *>();
    std::reverse(inside.begin(), inside.end());
    for (QWidget *w : std::as_const(inside)) {
        if (!left(w))
            w->setStyle(shared);
    }
    widget->setStyle(shared);
}

// The rules of a sheet for anything but scroll bars, and those for scroll bars
// (every selector's subject a scroll bar), each in their order.
std::pair<QString, QString> scrollBarRulesApart(const QString &sheet)
{
    static QHash<QString, std::pair<QString, QString>> cache;
    const auto found = cache.constFind(sheet);
    if (found != cache.cend())
        return *found;
    bool ok = true;
    const QList<Rule> list = rules(sheet, &ok);
    std::pair<QString, QString> parts;
    if (!ok) {
        parts.first = sheet;
    } else {
        for (const Rule &rule : list) {
            const QStringList selectors = rule.selectors.split(QLatin1Char(','), Qt::SkipEmptyParts);
            const bool bar = std::all_of(selectors.cbegin(), selectors.cend(), [](const QString &selector) {
                return subjectType(selector) == QLatin1String("QScrollBar");
            });
            (bar ? parts.second : parts.first) += rule.selectors + QLatin1Char(' ') + rule.block + QLatin1Char('\n');
        }
    }
    cache.insert(sheet, parts);
    return parts;
}

// Sets a sheet through setShared() when its widget is first shown, unless the
// widget has one by then; goes with the widget or once it has acted.
class ShowWatcher : public QObject
{
public:
    ShowWatcher(QWidget *widget, const QString &sheet)
        : QObject(widget)
        , m_sheet(sheet)
    {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ShowToParent) {
            auto *widget = static_cast<QWidget *>(watched);
            widget->removeEventFilter(this);
            if (widget->styleSheet().isEmpty())
                ZELSharedSheet::setShared(widget, m_sheet);
            deleteLater();
        }
        return false;
    }

private:
    QString m_sheet;
};

bool polished(const QWidget *target)
{
    if (target->testAttribute(Qt::WA_WState_Polished))
        return true;
    const QList<QWidget *> inside = target->findChildren<QWidget *>();
    return std::any_of(inside.cbegin(), inside.cend(),
                       [](const QWidget *w) { return w->testAttribute(Qt::WA_WState_Polished); });
}

} // namespace

namespace ZELSharedSheet {

QString scoped(const QString &sheet)
{
    static QHash<QString, QString> cache;
    const auto found = cache.constFind(sheet);
    if (found != cache.cend())
        return *found;

    QString out;
    bool ok = true;
    const QList<Rule> list = rules(sheet, &ok);
    for (const Rule &rule : list) {
        QStringList narrowedSelectors;
        for (const QString &selector : rule.selectors.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QStringList each = narrowed(selector);
            if (each.isEmpty()) {
                ok = false;
                break;
            }
            narrowedSelectors << each;
        }
        if (!ok)
            break;
        out += narrowedSelectors.join(QStringLiteral(",\n")) + QLatin1Char('\n') + rule.block + QLatin1Char('\n');
    }
    if (!ok)
        out.clear();
    cache.insert(sheet, out);
    return out;
}

QString fitted(const QString &sheet, const QWidget *widget)
{
    // A calendar pop-up holds a whole form of its own, built on first use.
    const auto *dateTime = qobject_cast<const QDateTimeEdit *>(widget);
    if (!widget || (dateTime && dateTime->calendarPopup()))
        return sheet;
    QStringList names = reachableClasses(widget);
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    const QString key = names.join(QLatin1Char(' '));

    // By sheet, then by the classes: a window asks for the same sheet for
    // widgets of the same kinds every time it opens.
    static QHash<QString, QHash<QString, QString>> cache;
    QHash<QString, QString> &forSheet = cache[sheet];
    const auto found = forSheet.constFind(key);
    if (found != forSheet.cend())
        return *found;

    bool ok = true;
    const QList<Rule> list = rules(sheet, &ok);
    QString out;
    if (ok) {
        for (const Rule &rule : list) {
            const QStringList selectors = rule.selectors.split(QLatin1Char(','), Qt::SkipEmptyParts);
            const bool reaches = std::any_of(selectors.cbegin(), selectors.cend(), [&names](const QString &selector) {
                const QString type = subjectType(selector);
                return type.isEmpty() || std::binary_search(names.cbegin(), names.cend(), type);
            });
            if (reaches)
                out += rule.selectors + QLatin1Char(' ') + rule.block + QLatin1Char('\n');
        }
    } else {
        out = sheet;
    }
    forSheet.insert(key, out);
    return out;
}

void setFitted(QWidget *widget, const QString &sheet)
{
    if (widget)
        setShared(widget, fitted(sheet, widget));
}

void setShared(QWidget *widget, const QString &sheet)
{
    if (!widget)
        return;
    if (sheet.isEmpty() || !shareable(widget)) {
        widget->setStyleSheet(sheet);
        return;
    }
    shareStyle(widget, sheet, {});
}

void setFittedView(QAbstractScrollArea *view, const QString &sheet)
{
    if (!view)
        return;
    const QString whole = fitted(sheet, view);
    if (!shareable(view)) {
        view->setStyleSheet(whole);
        return;
    }
    const std::pair<QString, QString> parts = scrollBarRulesApart(whole);
    const QList<QScrollBar *> bars = {view->horizontalScrollBar(), view->verticalScrollBar()};
    QList<const QWidget *> outside;
    for (QScrollBar *bar : bars) {
        outside << bar;
        if (bar->parentWidget() != view)
            outside << bar->parentWidget();
    }
    shareStyle(view, parts.first, outside);
    if (parts.second.isEmpty())
        return;
    for (QScrollBar *bar : bars) {
        const auto styleBar = [bar, rules = parts.second](int min, int max) {
            if (max > min && bar->styleSheet().isEmpty())
                setShared(bar, rules);
        };
        // The view shows a bar with something to scroll in its next layout,
        // after the bar has its range and, by then, its rules.
        QObject::connect(bar, &QAbstractSlider::rangeChanged, bar, styleBar);
        styleBar(bar->minimum(), bar->maximum());
    }
}

void setSharedWhenShown(QWidget *widget, const QString &sheet)
{
    if (!widget)
        return;
    if (!widget->isHidden()) {
        setShared(widget, sheet);
        return;
    }
    new ShowWatcher(widget, sheet);
}

void apply(QWidget *carrier, const QList<QWidget *> &targets, const QString &sheet)
{
    // Only the rules that can reach something inside the carrier.
    const QString narrowedSheet = scoped(carrier ? fitted(sheet, carrier) : sheet);
    const QString own = carrier ? carrier->styleSheet() : QString();
    // Only a carrier with rules of its own already: the widgets inside it are
    // styled through sheets already, so more rules change nothing else. (A
    // widget first put under a sheet stops inheriting its parents' palettes.)
    const bool carried = !narrowedSheet.isEmpty() && own.endsWith(narrowedSheet);
    const bool usable = carried || (!narrowedSheet.isEmpty() && own.contains(QLatin1Char('{'))
                                    && !scoped(own).isEmpty());
    QList<QWidget *> marked;
    for (QWidget *target : targets) {
        if (!target)
            continue;
        // Between the widget and the carrier no other sheet may lie (a nearer
        // sheet would win over the carrier's, where the widget's own won
        // before), nor a style of its own (the widget's own sheet would draw
        // on that style, the carrier's on the carrier's).
        bool inside = false;
        bool nearerSheet = false;
        for (QObject *up = target->parent(); usable && up && !inside && !nearerSheet; up = up->parent()) {
            inside = up == carrier;
            const auto *between = up->isWidgetType() ? static_cast<const QWidget *>(up) : nullptr;
            nearerSheet = !inside && between
                          && (!between->styleSheet().isEmpty() || between->testAttribute(Qt::WA_SetStyle));
        }
        // Rules added to a sheet already in place reach only widgets not yet
        // polished: a polished one would keep sizes taken without them.
        if (!inside || nearerSheet || (carried && polished(target))) {
            target->setStyleSheet(sheet);
            continue;
        }
        // The sheet replaces whatever the widget carried, as setting it would.
        if (!target->styleSheet().isEmpty())
            target->setStyleSheet(QString());
        target->setProperty(MarkProperty, true);
        marked << target;
    }
    if (marked.isEmpty())
        return;
    if (!carried)
        carrier->setStyleSheet(own + QLatin1Char('\n') + narrowedSheet);
}

} // namespace ZELSharedSheet
