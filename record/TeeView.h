#pragma once

#include "engine/TableView.h"

namespace zandoli {

// One view for the referee that shows and tells two: the table on the
// screen first, then the record, so the record's writing always comes after
// what a player sees.
class TeeView : public TableView {
public:
    TeeView(TableView& first, TableView& second) : first_(first), second_(second) {}

    void show(const TableState& state) override {
        first_.show(state);
        second_.show(state);
    }
    void happened(const TableEvent& event) override {
        first_.happened(event);
        second_.happened(event);
    }

private:
    TableView& first_;
    TableView& second_;
};

}  // namespace zandoli
