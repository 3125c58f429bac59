#include "table/TableKind.h"

#include "engine/OnePlayerReferee.h"

namespace zandoli {

namespace {

template <class Rules>
std::unique_ptr<Referee> makeReferee(GameState& state, TableView& view, Scheduler& scheduler,
                                     RandomSource& random) {
    return std::make_unique<Rules>(state, view, scheduler, random);
}

}  // namespace

const TableKind MULTI_PLAYER_TABLE{QStringLiteral("table"), MESSAGE_RECT, NEXTPLAYER_RECT,
                                   makeReferee<Referee>, false};

const TableKind ONE_PLAYER_TABLE{QStringLiteral("onePlayerTable"), ONE_PLAYER_MESSAGE_RECT,
                                 ONE_PLAYER_NEXTPLAYER_RECT, makeReferee<OnePlayerReferee>, true};

}  // namespace zandoli
