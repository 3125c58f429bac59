#include "table/TableScreen.h"

#include "engine/Spinner.h"
#include "platform/Platform.h"
#include "platform/Units.h"
#include "table/QtScheduler.h"

namespace zandoli {

namespace {

std::unique_ptr<Referee> multiPlayerReferee(GameState& state, TableView& view, Scheduler& scheduler,
                                            RandomSource& random) {
    return std::make_unique<Referee>(state, view, scheduler, random);
}

TableScreen::Design multiPlayerDesign() {
    return {QStringLiteral("incorrectChoiceMessage"), look::MESSAGE_RECT, look::NEXTPLAYER_RECT};
}

}  // namespace

TableScreen::TableScreen(GameState& state)
    : TableScreen(QStringLiteral("table"), state, nullptr, nullptr, multiPlayerReferee,
                  multiPlayerDesign()) {}

TableScreen::TableScreen(GameState& state, Scheduler& scheduler, RandomSource& random)
    : TableScreen(QStringLiteral("table"), state, &scheduler, &random, multiPlayerReferee,
                  multiPlayerDesign()) {}

TableScreen::TableScreen(const QString& name, GameState& state, Scheduler* scheduler,
                         RandomSource* random, const RefereeFactory& factory, Design design)
    : Screen(name),
      state_(state),
      ownScheduler_(scheduler == nullptr ? std::make_unique<QtScheduler>() : nullptr),
      ownRandom_(random == nullptr ? std::make_unique<TimeSeededRandom>() : nullptr),
      scheduler_(scheduler == nullptr ? *ownScheduler_ : *scheduler),
      random_(random == nullptr ? *ownRandom_ : *random),
      referee_(factory(state, *this, scheduler_, random_)),
      design_(std::move(design)) {}

TableScreen::~TableScreen() {
    // The timers must not reach a referee that is going away.
    scheduler_.stopAll();
    scheduler_.setCallback(nullptr);
}

void TableScreen::onLoad() {
    fitWindow(window_);
    window_->setBackground(look::toQColor(look::TABLE_BACK));
    dial_->setPicture(QString::fromLatin1(DIAL_AT_REST));
    closeup_->setPicture(QString::fromLatin1(CLOSEUP_AT_REST));
    for (CardSlot& slot : slots_) {
        slot.setup();
    }
    warmPictures();
    referee_->load();
}

void TableScreen::onUnload() {
    scheduler_.stopAll();
}

bool TableScreen::gameRunning() const {
    // During the deal delay the hands are already cleared for the new deal:
    // there is nothing worth keeping yet.
    return isLoaded() && referee_->gameOver() == 0 && !referee_->dealing();
}

bool TableScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && watched == window_.data() && isLoaded()) {
        emit windowClosed();
    }
    return Screen::eventFilter(watched, event);
}

void TableScreen::warmPictures() {
    for (int position = 0; position < SPIN_POSITIONS; ++position) {
        picture(QString::fromStdString(dialPicture(position)));
        picture(QString::fromStdString(closeupPicture(position)));
    }
}

void TableScreen::cardClicked(int slot) {
    referee_->cardClicked(slot);
}

void TableScreen::tablePressed(QPointF pixels) {
    // The rules hit-test in the table's twips, against the frames' edges.
    referee_->tablePressed(pixels.x() * units::TWIPS_PER_PIXEL,
                           pixels.y() * units::TWIPS_PER_PIXEL);
}

void TableScreen::spinPressed() {
    referee_->spinPressed();
}

void TableScreen::buttonPressed(TableButton button) {
    referee_->buttonPressed(button);
}

}  // namespace zandoli
