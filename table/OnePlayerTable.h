#pragma once

#include <QPointer>

#include "platform/ClickLabel.h"
#include "table/TableScreen.h"

namespace zandoli {

// The one-player table: the multi-player table with a spin count beside its
// caption "Number of Spins", the incorrect-choice message a little further
// right, no Next Player button in play, and the one-player rules.
class OnePlayerTable : public TableScreen {
    Q_OBJECT

public:
    explicit OnePlayerTable(GameState& state);
    OnePlayerTable(GameState& state, Scheduler& scheduler, RandomSource& random);

    void applyColourScheme(int colour) override;
    void setSpinCount(const std::string& text) override;

protected:
    QWidget* createWindow() override;

private:
    QPointer<ClickLabel> spinsCaption_;
    QPointer<ClickLabel> spinCount_;
};

}  // namespace zandoli
