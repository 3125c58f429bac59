#pragma once

#include <initializer_list>
#include <vector>

#include "engine/TableView.h"

namespace zandoli {

// One view for the referee that shows and tells several, in the order
// given: the table on the screen first, then the record, then whatever acts
// on the moments (leaving the table), so the record's writing always comes
// after what a player sees.
class TeeView : public TableView {
public:
    TeeView(std::initializer_list<TableView*> views) : views_(views) {}

    void show(const TableState& state) override {
        for (TableView* view : views_) {
            view->show(state);
        }
    }
    void happened(const TableEvent& event) override {
        for (TableView* view : views_) {
            view->happened(event);
        }
    }

private:
    std::vector<TableView*> views_;
};

}  // namespace zandoli
