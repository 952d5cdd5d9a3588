#include "app/gui/LoadFormStrings.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTabBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QVariant>
#include <QWidget>
#include <cmath>
#include <optional>

#include "inputs/ValueRule.h"
#include "app/gui/StringTable.h"

namespace quorvale {
namespace {

constexpr char kTagProperty[] = "Tag";
constexpr int kFontNameEntry = 20;
constexpr int kFontSizeEntry = 21;

std::optional<short> toShort(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    // Conversion to a whole number sends halves to the even neighbour.
    const double whole = std::nearbyint(value);
    if (whole < -32768 || whole > 32767) {
        return std::nullopt;
    }
    return static_cast<short>(whole);
}

// The whole text as a 16-bit number ("1000", " 1013 "); anything else fails.
std::optional<short> strictShort(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return toShort(value);
}

// The leading number of the text as a 16-bit number, 0 when that fails.
short leadingShort(const QString& text) { return toShort(leadingNumber(text.toStdString())).value_or(0); }

std::optional<QString> entry(std::optional<short> number) {
    if (!number) {
        return std::nullopt;
    }
    return StringTable::text(*number);
}

QString tagOf(const QObject* object) { return object->property(kTagProperty).toString(); }

// A designed control: named by its designer, not one of the toolkit's own
// helper objects.
bool isControl(const QObject* object) {
    const QString name = object->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

void collectControls(const QObject* parent, QList<QObject*>& out) {
    for (QObject* child : parent->children()) {
        if (isControl(child)) {
            out.append(child);
        }
        collectControls(child, out);
    }
}

void setCaptionProperty(QObject* control, const QString& text) {
    for (const char* property : {"text", "title"}) {
        if (control->metaObject()->indexOfProperty(property) >= 0) {
            control->setProperty(property, text);
            return;
        }
    }
}

void applyMenu(QObject* control) {
    if (auto* menu = qobject_cast<QMenu*>(control)) {
        if (auto text = entry(strictShort(menu->title()))) {
            menu->setTitle(*text);
        }
    } else if (auto* action = qobject_cast<QAction*>(control)) {
        if (auto text = entry(strictShort(action->text()))) {
            action->setText(*text);
        }
    }
}

void applyTabStrip(QTabBar* tabs) {
    for (int i = 0; i < tabs->count(); ++i) {
        if (auto text = entry(strictShort(tabs->tabData(i).toString()))) {
            tabs->setTabText(i, *text);
        }
        if (auto tip = entry(strictShort(tabs->tabToolTip(i)))) {
            tabs->setTabToolTip(i, *tip);
        }
    }
}

void applyToolbar(QToolBar* bar) {
    for (QAction* button : bar->actions()) {
        if (auto tip = entry(strictShort(button->toolTip()))) {
            button->setToolTip(*tip);
        }
    }
}

void applyListView(QTreeWidget* list) {
    QTreeWidgetItem* header = list->headerItem();
    for (int column = 0; header && column < header->columnCount(); ++column) {
        if (auto text = entry(strictShort(header->data(column, Qt::UserRole).toString()))) {
            header->setText(column, *text);
        }
    }
}

void applyOther(QObject* control) {
    const short tag = leadingShort(tagOf(control));
    if (tag > 0) {
        if (auto text = StringTable::text(tag)) {
            setCaptionProperty(control, *text);
        }
    }
    if (control->metaObject()->indexOfProperty("toolTip") >= 0) {
        const short tip = leadingShort(control->property("toolTip").toString());
        if (tip > 0) {
            if (auto text = StringTable::text(tip)) {
                control->setProperty("toolTip", *text);
            }
        }
    }
}

}  // namespace

void LoadFormStrings(QWidget* form) {
    if (!form) {
        return;
    }
    if (auto caption = entry(strictShort(tagOf(form)))) {
        form->setWindowTitle(*caption);
    }

    QFont font = form->font();
    if (auto name = StringTable::text(kFontNameEntry)) {
        font.setFamily(*name);
    }
    if (auto sizeText = StringTable::text(kFontSizeEntry)) {
        if (auto points = strictShort(*sizeText); points && *points > 0) {
            font.setPointSize(*points);
        }
    }

    QList<QObject*> controls;
    collectControls(form, controls);
    for (QObject* control : controls) {
        if (auto* widget = qobject_cast<QWidget*>(control)) {
            widget->setFont(font);
        } else if (auto* action = qobject_cast<QAction*>(control)) {
            action->setFont(font);
        }

        if (qobject_cast<QMenu*>(control) || qobject_cast<QAction*>(control)) {
            applyMenu(control);
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            if (auto text = entry(strictShort(tagOf(label)))) {
                label->setText(*text);
            }
        } else if (auto* tabs = qobject_cast<QTabBar*>(control)) {
            applyTabStrip(tabs);
        } else if (auto* bar = qobject_cast<QToolBar*>(control)) {
            applyToolbar(bar);
        } else if (auto* list = qobject_cast<QTreeWidget*>(control)) {
            applyListView(list);
        } else {
            applyOther(control);
        }
    }
}

}  // namespace quorvale
