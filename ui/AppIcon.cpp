#include "ui/AppIcon.h"

namespace tarvisol::ui {

QIcon applicationIcon() {
    return QIcon(QStringLiteral(":/icons/" TARVISOL_APP_ID ".svg"));
}

QString applicationId() {
    return QStringLiteral(TARVISOL_APP_ID);
}

} // namespace tarvisol::ui
