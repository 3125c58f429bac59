#pragma once

#include "table/TableKind.h"
#include "table/TableWidgets.h"

namespace zandoli {

// Makes a table's window and every control at its place (look/TableLayout.h)
// with its starting look (table/TableLook.h). It only builds: the screen
// connects the controls, the view changes them during play.
class TableBuilder {
public:
    explicit TableBuilder(const TableKind& kind) : kind_(kind) {}

    // A new window with all its controls, which `widgets` then points at.
    TableWindow* build(TableWidgets& widgets) const;
    // What a freshly loaded table shows before its referee takes over: the
    // background, the spinner at rest and the card parts in place.
    static void prepare(TableWidgets& widgets);

private:
    static void buildSlots(TableWidgets& widgets);
    static void buildTexts(TableWidgets& widgets, const TableKind& kind);
    static void buildButtons(TableWidgets& widgets, const TableKind& kind);
    static void buildSpinCount(TableWidgets& widgets);
    static void buildMarks(TableWidgets& widgets);
    static void setReadingOrder(TableWidgets& widgets);

    const TableKind& kind_;
};

}  // namespace zandoli
