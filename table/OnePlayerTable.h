#pragma once

#include <QPointer>

#include "ClickLabel.h"
#include "TableScreen.h"

namespace zandoli {

// The one-player table `zandoli1player`: the multi-player table with a spin
// count beside its caption "Number of Spins", the incorrect-choice message
// as Label10, no Next Player button in play, and the one-player rules.
class OnePlayerTable : public TableScreen {
    Q_OBJECT

public:
    explicit OnePlayerTable(GameState& state);
    OnePlayerTable(GameState& state, Scheduler& scheduler, RandomSource& random);

    void applycolourscheme(int colour) override;
    void setspincount(const std::string& text) override;

protected:
    QWidget* createwindow() override;

private:
    QPointer<ClickLabel> spinscaption_;
    QPointer<ClickLabel> spincount_;
};

}  // namespace zandoli
