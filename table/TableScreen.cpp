#include "TableScreen.h"

#include "Platform.h"
#include "QtScheduler.h"
#include "Spinner.h"
#include "Units.h"

namespace zandoli {

namespace {

std::unique_ptr<Referee> multiplayerreferee(GameState& state, TableView& view, Scheduler& scheduler,
                                            RandomSource& random) {
    return std::make_unique<Referee>(state, view, scheduler, random);
}

TableScreen::Design multiplayerdesign() {
    return {QStringLiteral("Label1"), look::MESSAGE_RECT, look::NEXTPLAYER_RECT};
}

}  // namespace

TableScreen::TableScreen(GameState& state)
    : TableScreen(QStringLiteral("tirra1"), state, nullptr, nullptr, multiplayerreferee,
                  multiplayerdesign()) {}

TableScreen::TableScreen(GameState& state, Scheduler& scheduler, RandomSource& random)
    : TableScreen(QStringLiteral("tirra1"), state, &scheduler, &random, multiplayerreferee,
                  multiplayerdesign()) {}

TableScreen::TableScreen(const QString& name, GameState& state, Scheduler* scheduler,
                         RandomSource* random, const RefereeFactory& factory, Design design)
    : Screen(name),
      state_(state),
      ownscheduler_(scheduler == nullptr ? std::make_unique<QtScheduler>() : nullptr),
      ownrandom_(random == nullptr ? std::make_unique<TimeSeededRandom>() : nullptr),
      scheduler_(scheduler == nullptr ? *ownscheduler_ : *scheduler),
      random_(random == nullptr ? *ownrandom_ : *random),
      referee_(factory(state, *this, scheduler_, random_)),
      design_(std::move(design)) {}

TableScreen::~TableScreen() {
    // The timers must not reach a referee that is going away.
    scheduler_.stopall();
    scheduler_.setcallback(nullptr);
}

void TableScreen::Form_Load() {
    fitform(window_);
    window_->setbackground(look::qcolour(look::TABLE_BACK));
    dial_->setpicture(QString::fromLatin1(DIAL_AT_REST));
    closeup_->setpicture(QString::fromLatin1(CLOSEUP_AT_REST));
    for (CardSlot& slot : slots_) {
        slot.setup();
    }
    warmpictures();
    referee_->Form_Load();
}

void TableScreen::Form_Unload() {
    scheduler_.stopall();
}

bool TableScreen::gamerunning() const {
    // During the deal delay the hands are already cleared for the new deal:
    // there is nothing worth keeping yet.
    return isloaded() && referee_->gameover() == 0 && !referee_->dealing();
}

bool TableScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && watched == window_.data() && isloaded()) {
        emit windowclosed();
    }
    return Screen::eventFilter(watched, event);
}

void TableScreen::warmpictures() {
    for (int position = 0; position < SPIN_POSITIONS; ++position) {
        picture(QString::fromStdString(dialpicture(position)));
        picture(QString::fromStdString(closeuppicture(position)));
    }
}

void TableScreen::Label4_Click(int slot) {
    referee_->judgecard(slot);
}

// The second line and the picture are parts of the card like its caption.
void TableScreen::Label5_Click(int slot) {
    Label4_Click(slot);
}

void TableScreen::Image3_Click(int slot) {
    Label4_Click(slot);
}

void TableScreen::Form_MouseDown(int button, int shift, QPointF pixels) {
    // The rules hit-test in the table's twips, against the frames' edges.
    referee_->Form_MouseDown(button, shift, pixels.x() * units::TWIPS_PER_PIXEL,
                             pixels.y() * units::TWIPS_PER_PIXEL);
}

void TableScreen::Label7_Click() {
    referee_->Label7_Click();
}

void TableScreen::Label3_Click(int index) {
    referee_->Label3_Click(index);
}

}  // namespace zandoli
