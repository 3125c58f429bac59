#include <QFont>
#include <QStringList>

#include "platform/Platform.h"

namespace zandoli {

void installFontSubstitutions() {
    // The screens ask for the faces by the names the layout was drawn with;
    // these map them onto free faces of the same feel and width. The rounded
    // title face goes to a rounded face first, the others to metric-compatible
    // ones, and each list ends on a face every Debian desktop has.
    QFont::insertSubstitutions(
        QStringLiteral("Arial Rounded MT Bold"),
        {QStringLiteral("Quicksand"), QStringLiteral("Nunito"), QStringLiteral("Comfortaa"),
         QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
}

}  // namespace zandoli
