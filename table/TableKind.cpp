#include "table/TableKind.h"

namespace zandoli {

const TableKind MULTI_PLAYER_TABLE{QStringLiteral("table"), false, MULTI_PLAYER_RULES,
                                   look::MESSAGE_RECT, look::NEXTPLAYER_RECT};

const TableKind ONE_PLAYER_TABLE{QStringLiteral("onePlayerTable"), true, ONE_PLAYER_RULES,
                                 look::ONE_PLAYER_MESSAGE_RECT, look::ONE_PLAYER_NEXTPLAYER_RECT};

}  // namespace zandoli
