// What a screen reader reads at the table beyond the controls' own texts.
#include "engine/Spinner.h"
#include "platform/Speech.h"
#include "table/CardWords.h"
#include "table/TableScreen.h"

namespace zandoli {

void TableScreen::nameControls() {
    speech::setName(dial_, QStringLiteral("the spinner"));
    speech::setDescription(dial_, QStringLiteral("sixteen segments: shaded shapes, stars on red "
                                                 "and a star on blue"));
    speech::setDescription(closeup_, QStringLiteral("the segment under the spinner's pointer"));
    speech::setName(pack_, QStringLiteral("the pack"));
    speech::setDescription(pack_, QStringLiteral("take a card from the pack when the spinner "
                                                 "shows the star on blue"));
    speech::setDescription(spin_, QStringLiteral("spin the spinner to start your turn"));
    const std::array<QString, look::BUTTON_COUNT> descriptions = {
        QStringLiteral("save this game and go back to the title screen"),
        QStringLiteral("shuffle and deal a new game"),
        QStringLiteral("end your turn and hand over to the next player"),
        QStringLiteral("show the rules of the game")};
    for (size_t i = 0; i < descriptions.size(); ++i) {
        speech::setDescription(buttons_[i], descriptions[i]);
    }
}

void TableScreen::nameCloseup() {
    closeupNaming_ = false;
    if (closeup_.isNull()) {
        return;
    }
    QString words;
    if (referee_->spinning()) {
        words = QStringLiteral("spinning");
    } else if (closeup_->pictureName() != QLatin1String(CLOSEUP_AT_REST)) {
        words = QString::fromStdString(spinWords(referee_->result()));
    }
    speech::setName(closeup_, words);
}

}  // namespace zandoli
